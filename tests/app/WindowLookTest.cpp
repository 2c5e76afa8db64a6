// The main window as it looks: the board's first paint on screen, the
// status bar's panels, the colour of the choice lists, the header's path,
// and the notes field's pastes.
#include "FormControls.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <memory>

namespace tablerix {
namespace {

TEST(WindowLookTest, TheBoardFirstPaintsWhenTheWindowIsOnScreen) {
    TForm1 form;
    // Configured as the form stores it, but not drawn yet.
    EXPECT_FALSE(Board(form)->Painted());
    EXPECT_FALSE(Board(form)->LoadingProperties());
    EXPECT_TRUE(Board(form)->BoardLines() == false && Board(form)->SizeOfSquare() == 40);
    int paints = 0;
    Board(form)->OnPaint = [&](ChessBrdCore&) { ++paints; };
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Board(form)->Painted());
    EXPECT_GE(paints, 1);
    Board(form)->OnPaint = nullptr;
}

class WindowLook : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        Control<QTimer>(*form, "Timer1")->stop();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    std::unique_ptr<TForm1> form;
};

TEST_F(WindowLook, StatusPanelsStartWhereTheLayoutSays) {
    const std::array<int, 4> left{0, 300, 500, 580};
    const std::array<int, 4> width{300, 200, 80, 80};
    for (std::size_t i = 0; i < 4; ++i) {
        const QLabel* panel = Control<QLabel>(*form, QStringLiteral("StatusPanel%1").arg(i));
        EXPECT_EQ(panel->mapTo(Control<QStatusBar>(*form, "StatusBar1"), QPoint()).x(), left[i]) << i;
        EXPECT_EQ(panel->width(), width[i]) << i;
        EXPECT_TRUE(Control<QStatusBar>(*form, "StatusBar1")->rect().contains(panel->geometry())) << i;
    }
    EXPECT_EQ(Control<QStatusBar>(*form, "StatusBar1")->geometry().left(), 0);
    EXPECT_EQ(Control<QStatusBar>(*form, "StatusBar1")->geometry().bottom(), form->height() - 1);
}

TEST_F(WindowLook, ChoiceListsArePaintedInTheirColour) {
    const QRgb colour = qRgb(254, 245, 216);
    for (QComboBox* combo : {Control<QComboBox>(*form, "ComboJugadores"), Control<QComboBox>(*form, "ComboDificultad"),
                             Control<QComboBox>(*form, "ComboPiezas"), Control<QComboBox>(*form, "ComboBorde"),
                             Control<QComboBox>(*form, "ComboOscuro"), Control<QComboBox>(*form, "ComboClaro")}) {
        const QImage shot = combo->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The field left of the drop-down button, inside its frame: the text
        // covers little of it; the rest is the list colour, top to bottom.
        const QRect field(3, 3, combo->width() - 24, combo->height() - 6);
        int same = 0;
        for (int y = field.top(); y <= field.bottom(); ++y)
            for (int x = field.left(); x <= field.right(); ++x)
                same += (shot.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        EXPECT_GT(same, field.width() * field.height() * 6 / 10) << combo->currentText().toStdString();
        for (int y : {field.top(), field.bottom()})
            EXPECT_EQ(shot.pixel(field.left(), y) & 0xFFFFFF, colour & 0xFFFFFF) << y;
    }
    // Dropped, the list has that colour too, and the chosen item stands out.
    QComboBox* combo = Control<QComboBox>(*form, "ComboPiezas");
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(view->isVisible());
    const QImage list = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect chosen = view->visualRect(view->model()->index(combo->currentIndex(), 0));
    const QRect other = view->visualRect(view->model()->index(combo->currentIndex() + 1, 0));
    EXPECT_EQ(list.pixel(other.right() - 2, other.center().y()) & 0xFFFFFF, colour & 0xFFFFFF);
    const QColor highlight = view->palette().color(QPalette::Highlight);
    const QColor got = list.pixelColor(chosen.right() - 2, chosen.center().y());
    EXPECT_LE(std::abs(got.red() - highlight.red()) + std::abs(got.green() - highlight.green()) +
                  std::abs(got.blue() - highlight.blue()),
              12)
        << got.name().toStdString();
    combo->hidePopup();
}

TEST_F(WindowLook, ALongPathInTheHeaderKeepsItsFileName) {
    const QString path = QStringLiteral(
        "/home/usuario/partidas/guardadas/de/este/año/y/del/anterior/"
        "torneo/de/primavera/Partida.Chess");
    Control<ElidedLabel>(*form, "LPartida")->setText(path);
    EXPECT_EQ(Control<ElidedLabel>(*form, "LPartida")->text(), path);  // what the rest of the program reads
    const QString shown = Control<ElidedLabel>(*form, "LPartida")->ShownText();
    EXPECT_NE(shown, path);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home/"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/Partida.Chess"))) << shown.toStdString();
    EXPECT_LE(QFontMetrics(Control<ElidedLabel>(*form, "LPartida")->font()).horizontalAdvance(shown),
              Control<ElidedLabel>(*form, "LPartida")->width());
    // It ends before the about button.
    EXPECT_LE(Control<ElidedLabel>(*form, "LPartida")->geometry().right(),
              Control<QToolButton>(*form, "BAcercaDe")->geometry().left());
}

TEST_F(WindowLook, PastingIntoTheNotesWithAnEmptyClipboardIsHarmless) {
    Control<TNotesEdit>(*form, "MNotas")->show();
    Control<TNotesEdit>(*form, "MNotas")->setPlainText(QStringLiteral("Notas"));
    Control<TNotesEdit>(*form, "MNotas")->moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    QTest::keyClick(Control<TNotesEdit>(*form, "MNotas"), Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(Control<TNotesEdit>(*form, "MNotas")->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), QStringLiteral("Notas"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" y más"));
    QTest::keyClick(Control<TNotesEdit>(*form, "MNotas"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Control<TNotesEdit>(*form, "MNotas")->toPlainText(), QStringLiteral("Notas y más"));
    QGuiApplication::clipboard()->clear();
}

}  // namespace
}  // namespace tablerix
