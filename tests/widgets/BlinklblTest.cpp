#include "Blinklbl.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <utility>
#include <vector>

using tablerix::TBlinkLabel;

namespace {

// Far beyond any interval used here: a switch that is due arrives long
// before it even on a heavily loaded machine.
constexpr int kPatienceMs = 10000;

// Waits, with the event loop running, until the label's own shown/hidden
// flag differs from `hidden`.
bool WaitForSwitch(const TBlinkLabel& label, bool hidden) {
    return QTest::qWaitFor([&] { return label.isHidden() != hidden; }, kPatienceMs);
}

// One tick of the label's own timer, delivered as the event loop delivers it
// when an interval has run out: the blinking without the wall clock.
void Tick(const TBlinkLabel& label) {
    QTimer& timer = const_cast<QTimer&>(label.BlinkTimer());
    QTimerEvent due(timer.timerId());
    QCoreApplication::sendEvent(&timer, &due);
}

struct BlinkLabelTest : ::testing::Test {
    QWidget container;
    void SetUp() override { container.resize(120, 40); }
};

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

}  // namespace

TEST_F(BlinkLabelTest, NewLabelShowsAndHidesEvery400ms) {
    TBlinkLabel label("Jaque", &container);
    container.show();
    EXPECT_EQ(label.Velocidad(), 400);
    EXPECT_EQ(label.BlinkTimer().interval(), 400);
    EXPECT_FALSE(label.BlinkTimer().isSingleShot());
    ASSERT_TRUE(label.BlinkTimer().isActive());
    ASSERT_FALSE(label.isHidden());
    // Every interval that runs out switches the label.
    for (bool hidden : {true, false, true, false}) {
        Tick(label);
        EXPECT_EQ(label.isHidden(), hidden);
    }
}

TEST_F(BlinkLabelTest, BlinksByItselfOnTheClock) {
    SwitchClock watch;  // started before the label's timer
    TBlinkLabel label("Jaque", &container);
    container.show();
    label.installEventFilter(&watch);  // after the first showing
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.switches.size() >= 2; }, kPatienceMs));
    label.removeEventFilter(&watch);
    EXPECT_TRUE(watch.switches[0].second);
    EXPECT_FALSE(watch.switches[1].second);
    // Load only delays a timer, and Qt fires one at most 5% early: these
    // lower bounds leave a wide margin and still reject a halved interval.
    EXPECT_GE(watch.switches[0].first, 300);
    EXPECT_GE(watch.switches[1].first, 600);
}

TEST_F(BlinkLabelTest, HiddenLabelTurnsVisibleAtFirstTick) {
    TBlinkLabel label("Jaque", &container);
    label.hide();
    container.show();
    Tick(label);
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
        Tick(label);  // one already due when the timer stopped is ignored
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
    ASSERT_TRUE(WaitForSwitch(label, false));
    ASSERT_TRUE(WaitForSwitch(label, true));
}

TEST_F(BlinkLabelTest, KeepsSwitchingInsideAHiddenContainer) {
    TBlinkLabel label("Jaque", &container);
    label.SetVelocidad(20);
    container.show();
    container.hide();
    const bool before = label.isHidden();
    ASSERT_TRUE(WaitForSwitch(label, before));
    EXPECT_FALSE(label.isVisible());
    ASSERT_TRUE(WaitForSwitch(label, !before));
    EXPECT_FALSE(label.isVisible());
}
