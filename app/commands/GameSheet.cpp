#include "GameSheet.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <memory>

namespace tablerix {

QStringList GameSheet::Lines(const GameSheetData& data) {
    const QString blank = QStringLiteral(" ");
    QStringList lines{QStringLiteral("***** Partida *****"),
                      data.Partida,
                      blank,
                      QStringLiteral("***** Jugadores *****"),
                      QStringLiteral("Blancas ... Jugador"),
                      QStringLiteral("Negras ... ") + data.BlackPlayer};
    if (data.BlackIsComputer) lines << QStringLiteral("Dificultad ... ") + data.Difficulty;
    lines << blank << QStringLiteral("***** Jugadas *****");
    lines << data.Entries;
    lines << QStringLiteral("***** Tiempos *****") << QStringLiteral("Blancas ... ") + data.WhiteClock
          << QStringLiteral("Negras ... ") + data.BlackClock << QStringLiteral("Partida ... ") + data.GameClock << blank
          << QStringLiteral("***** Notas Partida *****") << data.Notes;
    return lines;
}

QFont GameSheet::SheetFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(10);
    return font;
}

void GameSheet::Compose(QTextEdit& editor, const GameSheetData& data) {
    editor.clear();
    editor.document()->setDefaultFont(SheetFont());
    editor.setPlainText(Lines(data).join(u'\n'));
}

void GameSheet::Print(const QTextDocument& document, QPrinter& printer) {
    printer.setDocName(QString());
    // Paper all round the text, whatever the printer chosen would allow.
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(std::max(chosen.left(), kMinMarginMm), std::max(chosen.top(), kMinMarginMm),
                                     std::max(chosen.right(), kMinMarginMm), std::max(chosen.bottom(), kMinMarginMm)),
                           QPageLayout::Millimeter);
    // A copy laid out for the printer's printable area: the editor is left
    // alone, and a paginated document prints without added page numbers.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setDefaultFont(document.defaultFont());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setPageSize(QSizeF(printer.width(), printer.height()));
    copy->print(&printer);
}

bool GameSheet::Run(QTextEdit& editor, const GameSheetData& data, QPrinter& printer, const PrinterSetup& setup) {
    printer.setPageOrientation(QPageLayout::Portrait);
    Compose(editor, data);
    if (!setup || !setup(printer)) return false;
    // The orientation chosen in the setup dialog stands.
    Print(*editor.document(), printer);
    return true;
}

}  // namespace tablerix
