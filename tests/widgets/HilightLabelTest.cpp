#include "HilightLabel.h"

#include <gtest/gtest.h>
#include <QEnterEvent>
#include <QTest>

#include <string>
#include <vector>

using tablerix::FontStyle;
using tablerix::FontStyles;
using tablerix::THilightLabel;

namespace {

const QColor kNavy(0, 0, 0x80);

void Enter(THilightLabel& label) {
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&label, &e);
}

void Leave(THilightLabel& label) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&label, &e);
}

QColor TextColour(const QWidget& w) { return w.palette().color(QPalette::Active, QPalette::WindowText); }

struct HilightTest : ::testing::Test {
    QWidget window;
    THilightLabel* label = nullptr;  // owned by window
    void SetUp() override {
        window.resize(300, 100);
        label = new THilightLabel(QStringLiteral("correo@example.org"), &window);
        label->setGeometry(20, 20, 180, 20);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::darkGreen);
        label->setPalette(pal);
    }
};

}  // namespace

TEST_F(HilightTest, EnterHighlightsAndLeaveRestoresColourStyleAndPointer) {
    QFont f = label->font();
    f.setItalic(true);
    label->setFont(f);
    ASSERT_FALSE(label->testAttribute(Qt::WA_SetCursor));

    Enter(*label);  // with the initial settings
    EXPECT_TRUE(label->Hovered());
    EXPECT_EQ(TextColour(*label), kNavy);
    EXPECT_EQ(THilightLabel::StyleOf(label->font()), FontStyle::Bold | FontStyle::Underline);
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    // A disabled label keeps its grey text even while highlighted.
    EXPECT_NE(label->palette().color(QPalette::Disabled, QPalette::WindowText), kNavy);

    Leave(*label);
    EXPECT_FALSE(label->Hovered());
    EXPECT_EQ(TextColour(*label), QColor(Qt::darkGreen));
    EXPECT_EQ(label->font(), f);
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetCursor));  // follows its parent again

    label->setCursor(Qt::IBeamCursor);
    Enter(*label);
    Leave(*label);
    EXPECT_EQ(label->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(HilightTest, BoldUnderlinedLabelChangesOnlyColourAndPointer) {
    QFont f = label->font();
    f.setBold(true);
    f.setUnderline(true);
    label->setFont(f);
    Enter(*label);
    EXPECT_EQ(label->font(), f);
    EXPECT_EQ(TextColour(*label), kNavy);
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HilightTest, ColourSetWhileHoveredIsLostOnLeave) {
    Enter(*label);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(pal);
    Leave(*label);
    EXPECT_EQ(TextColour(*label), QColor(Qt::darkGreen));
}

TEST_F(HilightTest, SettingsChangedWhileHoveredShowAtTheNextEntry) {
    Enter(*label);
    label->SetHiLightColor(Qt::magenta);
    label->SetHiLightStyle(FontStyle::StrikeOut);
    label->SetHiLightCursor(QCursor(Qt::CrossCursor));
    EXPECT_EQ(TextColour(*label), kNavy);
    Leave(*label);
    Enter(*label);
    EXPECT_EQ(TextColour(*label), QColor(Qt::magenta));
    EXPECT_EQ(THilightLabel::StyleOf(label->font()), FontStyles(FontStyle::StrikeOut));
    EXPECT_EQ(label->cursor().shape(), Qt::CrossCursor);
}

TEST_F(HilightTest, EventsFireAfterTheLookChanged) {
    std::vector<std::string> log;
    label->OnMouseEnter = [&](THilightLabel& sender) {
        EXPECT_EQ(&sender, label);
        EXPECT_EQ(TextColour(sender), kNavy);
        log.push_back("enter");
    };
    label->OnMouseLeave = [&](THilightLabel& sender) {
        EXPECT_EQ(&sender, label);
        EXPECT_FALSE(sender.Hovered());
        EXPECT_EQ(TextColour(sender), QColor(Qt::darkGreen));
        log.push_back("leave");
    };
    Enter(*label);
    Leave(*label);
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(HilightTest, UnmatchedEnterOrLeaveKeepsTheNormalLook) {
    const QFont normal = label->font();
    Leave(*label);  // nothing was remembered yet
    EXPECT_EQ(TextColour(*label), QColor(Qt::darkGreen));
    EXPECT_EQ(label->font(), normal);
    Enter(*label);
    Enter(*label);  // must not remember the highlight as the normal look
    Leave(*label);
    EXPECT_EQ(TextColour(*label), QColor(Qt::darkGreen));
    EXPECT_EQ(label->font(), normal);
}

TEST_F(HilightTest, RealPointerMovesHighlightAndClicksStillReachTheLabel) {
    int clicks = 0;
    struct ClickFilter : QObject {
        int* count;
        explicit ClickFilter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::MouseButtonRelease) ++*count;
            return false;
        }
    } filter(&clicks);
    label->installEventFilter(&filter);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseMove(&window, QPoint(5, 5));
    QTest::mouseMove(&window, QPoint(30, 30));
    EXPECT_TRUE(label->Hovered());
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(label->Hovered());
    QTest::mouseMove(&window, QPoint(5, 80));
    EXPECT_FALSE(label->Hovered());
    EXPECT_EQ(TextColour(*label), QColor(Qt::darkGreen));
    label->removeEventFilter(&filter);
}
