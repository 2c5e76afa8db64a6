// The printed game sheet: its lines, and printing them to a PDF file.
#include "GameSheet.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

using tablerix::GameSheet;
using tablerix::GameSheetData;

namespace {

GameSheetData LongGame(bool computer) {
    GameSheetData d;
    d.Partida = QStringLiteral("/home/ana/partidas/larga.Chess");
    d.BlackIsComputer = computer;
    d.BlackPlayer = computer ? QStringLiteral("Ordenador") : QStringLiteral("Jugador");
    d.Difficulty = QStringLiteral("Difícil");
    for (int n = 1; n <= 60; ++n) {
        d.Entries << QStringLiteral("%1. A2-A3").arg(n) << QStringLiteral("              H7-H6");
    }
    d.Entries.back() = d.Entries.back().leftJustified(20) + QStringLiteral("   Jaque");
    d.WhiteClock = QStringLiteral("00:10:05");
    d.BlackClock = QStringLiteral("01:02:03");
    d.GameClock = QStringLiteral("01:12:08");
    d.Notes = QStringLiteral("Primera nota\nSegunda nota con acentos: áéíóú ñ");
    return d;
}

// The PDF's text, one entry per non-empty line, and its page count.
QStringList PdfLines(const QString& pdf, int* pages) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    if (pages) *pages = static_cast<int>(text.count(u'\f')) + (text.endsWith(u'\f') ? 0 : 1);
    QStringList lines;
    for (const QString& l : text.split(u'\n')) {
        // Compatibility form: the font's "fi" ligature reads back as two letters.
        QString t = l.normalized(QString::NormalizationForm_KC);
        t.remove(u'\f');
        t = t.trimmed();
        if (!t.isEmpty()) lines << t;
    }
    return lines;
}

// The sheet's non-blank lines, as pdftotext gives them back.
QStringList Expected(const GameSheetData& d) {
    QStringList out;
    for (const QString& line : GameSheet::Lines(d).join(u'\n').split(u'\n')) {
        const QString t = line.simplified();
        if (!t.isEmpty()) out << t;
    }
    return out;
}

QStringList Simplified(const QStringList& in) {
    QStringList out;
    for (const QString& s : in) out << s.simplified();
    return out;
}

}  // namespace

TEST(GameSheet, LinesFollowTheSheetLayout) {
    GameSheetData d = LongGame(true);
    d.Entries = {QStringLiteral("1. E2-E4")};
    d.Partida.clear();
    const QStringList lines = GameSheet::Lines(d);
    const QStringList want{"***** Partida *****", "", " ", "***** Jugadores *****", "Blancas ... Jugador",
                           "Negras ... Ordenador", "Dificultad ... Difícil", " ", "***** Jugadas *****", "1. E2-E4",
                           "***** Tiempos *****", "Blancas ... 00:10:05", "Negras ... 01:02:03",
                           "Partida ... 01:12:08", " ", "***** Notas Partida *****", d.Notes};
    EXPECT_EQ(lines.join(u'|').toStdString(), want.join(u'|').toStdString());
    d.BlackIsComputer = false;
    d.BlackPlayer = QStringLiteral("Jugador");
    EXPECT_FALSE(GameSheet::Lines(d).join(u'\n').contains(QStringLiteral("Dificultad")));
}

TEST(GameSheet, PrintsInOrderOverSeveralPages) {
    QTemporaryDir dir;
    for (bool computer : {true, false}) {
        const GameSheetData d = LongGame(computer);
        QTextEdit editor;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);  // the command turns it back
        const QString pdf = dir.filePath(computer ? "con.pdf" : "sin.pdf");
        printer.setOutputFileName(pdf);
        int setups = 0;
        ASSERT_TRUE(GameSheet::Run(editor, d, printer, [&](QPrinter& p) {
            ++setups;
            EXPECT_EQ(p.pageLayout().orientation(), QPageLayout::Portrait);
            return true;
        }));
        EXPECT_EQ(setups, 1);
        EXPECT_EQ(printer.docName(), QString());
        // TABLERIX_SHOTS=<dir> keeps the PDF for a look by eye.
        if (const QString shots = qEnvironmentVariable("TABLERIX_SHOTS"); !shots.isEmpty())
            QFile::copy(pdf, shots + u'/' + QFileInfo(pdf).fileName());
        int pages = 0;
        const QStringList got = PdfLines(pdf, &pages);
        EXPECT_GE(pages, 2);
        EXPECT_EQ(Simplified(got).join(u'|').toStdString(), Expected(d).join(u'|').toStdString());
        EXPECT_EQ(got.contains(QStringLiteral("Dificultad ... Difícil")), computer);
        // The editor holds the sheet as plain text.
        EXPECT_TRUE(editor.toPlainText() == GameSheet::Lines(d).join(u'\n'));

        // Printing again gives the same sheet.
        const QString again = dir.filePath("again.pdf");
        printer.setOutputFileName(again);
        ASSERT_TRUE(GameSheet::Run(editor, d, printer, [](QPrinter&) { return true; }));
        EXPECT_TRUE(PdfLines(again, nullptr) == got);
    }
}

TEST(GameSheet, CancelledSetupPrintsNothing) {
    QTemporaryDir dir;
    QTextEdit editor;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("nada.pdf"));
    EXPECT_FALSE(GameSheet::Run(editor, LongGame(false), printer, [](QPrinter&) { return false; }));
    EXPECT_FALSE(QFile::exists(dir.filePath("nada.pdf")));
}
