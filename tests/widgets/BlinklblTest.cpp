#include "Blinklbl.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

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

// Notes when the label's own shown/hidden flag switches, as it happens.
struct SwitchClock : QObject {
    QElapsedTimer clock;
    std::vector<std::pair<qint64, bool>> switches;  // (ms, hidden)
    SwitchClock() { clock.start(); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::HideToParent) switches.emplace_back(clock.elapsed(), true);
        if (e->type() == QEvent::ShowToParent) switches.emplace_back(clock.elapsed(), false);
        return false;
    }
};

TEST_F(BlinkLabelTest, NewLabelShowsAndHidesEvery400ms) {
    SwitchClock watch;
    TBlinkLabel label("Jaque", &container);
    container.show();
    label.installEventFilter(&watch);  // after the first showing
    EXPECT_EQ(label.Velocidad(), 400);
    EXPECT_TRUE(label.BlinkTimer().isActive());
    ASSERT_FALSE(label.isHidden());

    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.switches.size() >= 2; }, 3000));
    label.removeEventFilter(&watch);
    EXPECT_TRUE(watch.switches[0].second);
    EXPECT_FALSE(watch.switches[1].second);
    // Qt's coarse timers may fire up to 5% off their schedule; the upper
    // bound is loose for loaded machines but still rejects a doubled interval.
    EXPECT_GE(watch.switches[0].first, 380);
    EXPECT_GE(watch.switches[1].first, 760);
    EXPECT_LT(watch.switches[1].first, 1500);
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
