#include "Blinklbl.h"

namespace tablerix {

TBlinkLabel::TBlinkLabel(QWidget* parent) : TBlinkLabel(QString(), parent) {}

TBlinkLabel::TBlinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    connect(&timer_, &QTimer::timeout, this, &TBlinkLabel::Tick);
    timer_.setInterval(velocidad_);
    timer_.start();
}

void TBlinkLabel::SetVelocidad(int v) {
    if (v == velocidad_) return;
    if (v < 0) v = 0;
    velocidad_ = v;
    // A zero-interval QTimer would fire on every pass of the event loop, so
    // 0 must stop it rather than just set the interval.
    if (v != 0) {
        timer_.start(v);  // restarts the count from now
    } else {
        timer_.stop();
        timer_.setInterval(0);
    }
    setVisible(true);
}

void TBlinkLabel::Tick() {
    if (!timer_.isActive()) return;
    // isHidden() is the label's own flag: a label inside a hidden container
    // keeps switching and shows in its current state when the container does.
    setVisible(isHidden());
}

}  // namespace tablerix
