#include "Blinklbl.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using tablerix::TBlinkLabel;

namespace {

// Waits until the label's own shown/hidden flag differs from `hidden`;
// returns the time waited in ms, or -1 after `limitMs`.
qint64 WaitForSwitch(const TBlinkLabel& label, bool hidden, int limitMs = 3000) {
    QElapsedTimer clock;
    clock.start();
    if (!QTest::qWaitFor([&] { return label.isHidden() != hidden; }, limitMs)) return -1;
    return clock.elapsed();
}

struct BlinkLabelTest : ::testing::Test {
    QWidget container;
    void SetUp() override { container.resize(120, 40); }
};

}  // namespace

TEST_F(BlinkLabelTest, NewLabelShowsAndHidesEvery400ms) {
    QElapsedTimer clock;
    clock.start();
    TBlinkLabel label("Jaque", &container);
    container.show();
    EXPECT_EQ(label.Velocidad(), 400);
    EXPECT_TRUE(label.BlinkTimer().isActive());
    ASSERT_FALSE(label.isHidden());

    ASSERT_GE(WaitForSwitch(label, false), 0);
    const qint64 firstSwitch = clock.elapsed();
    EXPECT_TRUE(label.isHidden());
    ASSERT_GE(WaitForSwitch(label, true), 0);
    const qint64 secondSwitch = clock.elapsed();
    EXPECT_FALSE(label.isHidden());

    // Qt's coarse timers may fire up to 5% early; late is only a loaded machine.
    EXPECT_GE(firstSwitch, 380);
    EXPECT_GE(secondSwitch - firstSwitch, 380);
}

TEST_F(BlinkLabelTest, HiddenLabelTurnsVisibleAtFirstTick) {
    TBlinkLabel label("Jaque", &container);
    label.hide();
    container.show();
    EXPECT_GE(WaitForSwitch(label, true), 0);
    EXPECT_TRUE(label.isVisible());
}

TEST_F(BlinkLabelTest, SameValueLeavesAHiddenLabelHidden) {
    TBlinkLabel label("Jaque", &container);
    label.hide();  // as between two ticks
    label.SetVelocidad(400);
    EXPECT_TRUE(label.isHidden());
    EXPECT_TRUE(label.BlinkTimer().isActive());
}

TEST_F(BlinkLabelTest, ZeroOrNegativeStopsWithTheLabelVisible) {
    for (int v : {0, -25}) {
        SCOPED_TRACE(v);
        TBlinkLabel label("Jaque", &container);
        label.SetVelocidad(20);
        label.hide();
        label.SetVelocidad(v);
        EXPECT_EQ(label.Velocidad(), 0);
        EXPECT_FALSE(label.BlinkTimer().isActive());
        EXPECT_FALSE(label.isHidden());
        QTest::qWait(80);  // four of the old intervals
        EXPECT_FALSE(label.isHidden());
    }
    // From 0, a negative value still differs and so still shows the label.
    TBlinkLabel label("Jaque", &container);
    label.SetVelocidad(0);
    label.hide();
    label.SetVelocidad(-1);
    EXPECT_FALSE(label.isHidden());
    EXPECT_FALSE(label.BlinkTimer().isActive());
}

TEST_F(BlinkLabelTest, NewValueRestartsTheTimerAndShowsTheLabel) {
    TBlinkLabel label("Jaque", &container);
    container.show();
    label.SetVelocidad(0);
    label.hide();
    label.SetVelocidad(30);
    EXPECT_FALSE(label.isHidden());
    EXPECT_EQ(label.BlinkTimer().interval(), 30);
    EXPECT_TRUE(label.BlinkTimer().isActive());
    ASSERT_GE(WaitForSwitch(label, false), 0);
    ASSERT_GE(WaitForSwitch(label, true), 0);
}

TEST_F(BlinkLabelTest, KeepsSwitchingInsideAHiddenContainer) {
    TBlinkLabel label("Jaque", &container);
    label.SetVelocidad(20);
    container.show();
    container.hide();
    const bool before = label.isHidden();
    ASSERT_GE(WaitForSwitch(label, before), 0);
    EXPECT_FALSE(label.isVisible());
    ASSERT_GE(WaitForSwitch(label, !before), 0);
    EXPECT_FALSE(label.isVisible());
}
