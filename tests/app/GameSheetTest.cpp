// The printed game sheet: its lines, and printing them to a PDF file.
#include "GameSheet.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>

#include <algorithm>

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
    const QStringList want{"***** Partida *****",
                           "",
                           " ",
                           "***** Jugadores *****",
                           "Blancas ... Jugador",
                           "Negras ... Ordenador",
                           "Dificultad ... Difícil",
                           " ",
                           "***** Jugadas *****",
                           "1. E2-E4",
                           "***** Tiempos *****",
                           "Blancas ... 00:10:05",
                           "Negras ... 01:02:03",
                           "Partida ... 01:12:08",
                           " ",
                           "***** Notas Partida *****",
                           d.Notes};
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

// The first page of a PDF at 72 dots per inch, one point a pixel.
QImage FirstPage(const QString& pdf, const QString& prefix) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), pdf, prefix});
    p.waitForFinished(20000);
    return QImage(prefix + QStringLiteral(".png"));
}

// Millimetres of clear paper from the page's left, top and bottom edges to the
// nearest dark pixel.
QMarginsF Clearance(const QImage& page) {
    int left = page.width(), top = page.height(), bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 160) {
                left = std::min(left, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const double mm = 25.4 / 72;
    return {left * mm, top * mm, 0, (page.height() - 1 - bottom) * mm};
}

TEST(GameSheet, TheTextKeepsFifteenMillimetresFromTheEdges) {
    QTemporaryDir dir;
    QTextEdit editor;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // The setup dialog may leave a printer's narrow margins, or wider ones.
    for (double asked : {0.0, 3.0, 25.0}) {
        const QString pdf = dir.filePath(QStringLiteral("margen%1.pdf").arg(asked));
        printer.setOutputFileName(pdf);
        ASSERT_TRUE(GameSheet::Run(editor, LongGame(true), printer, [&](QPrinter& p) {
            p.setPageMargins(QMarginsF(asked, asked, asked, asked), QPageLayout::Millimeter);
            return true;
        }));
        const QImage page = FirstPage(pdf, dir.filePath(QStringLiteral("pagina%1").arg(asked)));
        ASSERT_FALSE(page.isNull());
        const QMarginsF clear = Clearance(page);
        const double least = std::max(asked, GameSheet::kMinMarginMm);
        EXPECT_GE(clear.left(), least - 0.5) << asked;
        EXPECT_GE(clear.top(), least - 0.5) << asked;
        EXPECT_GE(clear.bottom(), least - 0.5) << asked;  // the first of several pages is full
        EXPECT_LT(clear.left(), least + 3) << asked;      // but not much more
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
