#pragma once
// TBlinkLabel: an ordinary QLabel that blinks. A timer of its own switches the
// label between shown and hidden every Velocidad() milliseconds, from the
// moment it is created. The main window uses it for its check, mate and draw
// notices. User-interface thread only.

#include <QLabel>
#include <QTimer>

namespace tablerix {

class TBlinkLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr int kDefaultVelocidad = 400;  // milliseconds

    // Starts blinking at once with the default interval.
    explicit TBlinkLabel(QWidget* parent = nullptr);
    explicit TBlinkLabel(const QString& text, QWidget* parent = nullptr);
    ~TBlinkLabel() override = default;

    // Time between two switches of visibility, in ms; 0 means not blinking.
    int Velocidad() const noexcept { return velocidad_; }
    // The same value again does nothing. Otherwise a negative value counts as
    // 0; 0 stops the blinking, anything else restarts the timer with the new
    // interval. Either way the label is left shown.
    void SetVelocidad(int v);

    // The label's own timer (owned by the label), exposed for inspection.
    const QTimer& BlinkTimer() const noexcept { return timer_; }

private:
    void Tick();

    // Declared after the QLabel base, so it is destroyed before the label.
    QTimer timer_;
    int velocidad_ = kDefaultVelocidad;
};

}  // namespace tablerix
