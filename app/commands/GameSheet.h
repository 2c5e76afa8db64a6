#pragma once
// The printed game sheet: its lines, put into the hidden print editor, and
// printed portrait over as many pages as the text needs.
// User-interface thread only (it touches a QTextEdit and a QPrinter).

#include <QString>
#include <QStringList>

#include <functional>

class QFont;
class QPrinter;
class QTextDocument;
class QTextEdit;

namespace tablerix {

// What the sheet shows, as the window holds it.
struct GameSheetData {
    QString Partida;  // path of the loaded game file, or empty
    bool BlackIsComputer = false;
    QString BlackPlayer;  // item shown for Black's player
    QString Difficulty;   // item shown for the difficulty
    QStringList Entries;  // visible move list, annotations included
    QString WhiteClock;   // "hh:mm:ss" from the clock labels
    QString BlackClock;
    QString GameClock;
    QString Notes;  // notes field text, unchanged
};

class GameSheet {
public:
    // The least paper left around the text on every side.
    static constexpr double kMinMarginMm = 15.0;

    // Shows the printer setup; true when the user confirms it.
    using PrinterSetup = std::function<bool(QPrinter& printer)>;

    // The sheet, one element per line; the notes form the last element.
    static QStringList Lines(const GameSheetData& data);
    // "Comic Sans MS" 10 point, or the nearest family the system has.
    static QFont SheetFont();
    // Empties the editor and fills it with the sheet as plain text.
    static void Compose(QTextEdit& editor, const GameSheetData& data);
    // Prints the document as one job with an empty title, from the top of
    // the first page over as many pages as it needs, with margins of at
    // least kMinMarginMm (wider ones the printer has are kept).
    static void Print(const QTextDocument& document, QPrinter& printer);
    // The whole print command: portrait, compose, setup, then print unless
    // the setup was cancelled. True when something was printed.
    static bool Run(QTextEdit& editor, const GameSheetData& data, QPrinter& printer, const PrinterSetup& setup);
};

}  // namespace tablerix
