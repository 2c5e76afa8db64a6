#pragma once
// Everything of the main window that a game in progress is made of, read out
// as named texts, so that two moments can be compared field by field: the
// board's model and look, both move lists with their selection, the notes,
// the clocks and their flags, the choice lists, the header and which
// controls are shown or usable. UI thread only.

#include "Blinklbl.h"
#include "FormControls.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>
#include <QToolButton>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tablerix {

using WindowSnapshot = std::map<std::string, QString>;

inline QString PixelsOf(const QImage& image) {
    if (image.isNull()) return QStringLiteral("null");
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return QStringLiteral("%1x%2 #%3").arg(image.width()).arg(image.height()).arg(qHash(bytes));
}

inline WindowSnapshot SnapshotOf(const TForm1& f) {
    WindowSnapshot s;
    const auto flag = [](bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); };
    const auto number = [](long long n) { return QString::number(n); };

    const TChessBrd& b = *Board(f);
    std::vector<std::string> record;
    b.GetMoveList(record);
    QStringList recordLines;
    for (const auto& line : record) recordLines << QString::fromStdString(line);
    s["board.position"] = QString::fromStdString(b.Position());
    s["board.whiteToMove"] = flag(b.WhiteToMove());
    s["board.castling"] = number(b.CastlingAllowed().Bits());
    s["board.enPassant"] = number(ToInt(b.EnPassant()));
    s["board.record"] = recordLines.join(u'|');
    s["board.current"] = QStringLiteral("%1 %2 %3").arg(b.CurrentMove()).arg(b.LastMove()).arg(b.LastMoveWhite());
    s["board.computer"] = flag(b.ComputerPlaysWhite()) + u' ' + flag(b.ComputerPlaysBlack());
    s["board.depth"] = number(b.SearchDepth());
    s["board.animation"] = flag(b.AnimateMoves()) + u' ' + number(b.AnimationDelay());
    s["board.gameOver"] = flag(b.GameOver());
    s["board.enabled"] = flag(Control<QFrame>(f, "PTablero")->isEnabled());
    s["board.lines"] = flag(b.BoardLines());
    s["board.dark"] = PixelsOf(b.SquareDark());
    s["board.light"] = PixelsOf(b.SquareLight());
    s["board.pieces"] = PixelsOf(b.CustomPieceSet()) + u' ' + number(b.PieceCellSize());

    const auto list = [&](const char* name, const QListWidget* l) {
        QStringList items;
        for (int i = 0; i < l->count(); ++i) items << l->item(i)->text();
        QStringList selected;
        for (const QListWidgetItem* item : l->selectedItems()) selected << number(l->row(item));
        s[std::string(name) + ".items"] = items.join(u'|');
        s[std::string(name) + ".current"] = number(l->currentRow());
        s[std::string(name) + ".selected"] = selected.join(u' ');
    };
    list("ListBox1", Control<QListWidget>(f, "ListBox1"));
    list("ListBoxRepe", Control<QListWidget>(f, "ListBoxRepe"));

    s["MNotas"] = Control<TNotesEdit>(f, "MNotas")->toPlainText();
    s["Memo1"] = Control<QPlainTextEdit>(f, "Memo1")->toPlainText();

    const auto counter = [&](const GameClocks::Counter& c) {
        return QStringLiteral("%1:%2:%3").arg(c.Hours).arg(c.Minutes).arg(c.Seconds);
    };
    s["clocks.game"] = counter(f.Clocks().GameClock);
    s["clocks.white"] = counter(f.Clocks().WhiteClock);
    s["clocks.black"] = counter(f.Clocks().BlackClock);
    s["clocks.labels"] = ClockLabelTexts(f).join(u' ');
    s["ClocksRunning"] = flag(f.ClocksRunning());
    s["Loading"] = flag(f.Loading());
    s["AnimateLoad"] = flag(f.AnimateLoad());

    for (const char* name : {"ComboJugadores", "ComboDificultad", "ComboPiezas", "ComboOscuro", "ComboClaro",
                             "ComboBorde", "ComboJugadorBlancas"}) {
        const QComboBox* combo = Control<QComboBox>(f, name);
        s[name] = QStringLiteral("index %1 enabled %2 shown %3")
                      .arg(combo->currentIndex())
                      .arg(flag(combo->isEnabled()), flag(combo->isVisibleTo(&f)));
    }

    s["LPartida"] = Control<ElidedLabel>(f, "LPartida")->text();
    s["PMueve"] = Control<QLabel>(f, "PMueve")->text();
    s["BLJaque"] = Control<TBlinkLabel>(f, "BLJaque")->text();
    s["PJugadasCarga"] = Control<QLabel>(f, "PJugadasCarga")->text();
    // Key and control; the loading panel's text has its own key above.
    const std::vector<std::pair<const char*, const char*>> controls{{"BSalvar", "BSalvar"},
                                                                    {"BCargarCon", "BCargarCon"},
                                                                    {"BCargarSin", "BCargarSin"},
                                                                    {"BImprimir", "BImprimir"},
                                                                    {"BNuevaPar", "BNuevaPar"},
                                                                    {"BAcercaDe", "BAcercaDe"},
                                                                    {"PEmpezar", "PEmpezar"},
                                                                    {"PJaque", "PJaque"},
                                                                    {"PJugadasCargaPanel", "PJugadasCarga"},
                                                                    {"LMovimientos", "LMovimientos"},
                                                                    {"ListBoxRepe", "ListBoxRepe"},
                                                                    {"PRBlancas", "PRBlancas"},
                                                                    {"PRNegras", "PRNegras"},
                                                                    {"PRPartida", "PRPartida"},
                                                                    {"ButtonBack", "ButtonBack"},
                                                                    {"ButtonStop", "ButtonStop"},
                                                                    {"ButtonForward", "ButtonForward"},
                                                                    {"LNotasPartida", "LNotasPartida"},
                                                                    {"MNotas", "MNotas"},
                                                                    {"PMueve", "PMueve"},
                                                                    {"LDificultad", "LDificultad"},
                                                                    {"BSalir", "BSalir"}};
    for (const auto& [key, name] : controls) {
        const QWidget* w = Control<QWidget>(f, name);
        s[std::string(key) + ".state"] =
            QStringLiteral("enabled %1 shown %2").arg(flag(w->isEnabled()), flag(w->isVisibleTo(&f)));
    }
    return s;
}

// One expectation per field, each named, so a failure says what changed.
inline void ExpectSameWindow(const WindowSnapshot& before, const WindowSnapshot& after) {
    EXPECT_EQ(before.size(), after.size());
    for (const auto& [name, value] : before) {
        const auto it = after.find(name);
        ASSERT_NE(it, after.end()) << name;
        EXPECT_EQ(it->second.toStdString(), value.toStdString()) << "field " << name;
    }
}

}  // namespace tablerix
