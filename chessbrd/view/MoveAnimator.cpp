#include "MoveAnimator.h"

#include "DragImage.h"

#include <QElapsedTimer>

#include <cstdlib>

namespace tablerix {

void MoveAnimator::Animate(QWidget* window, const QImage& picture, QPoint from, QPoint to, bool knight, int delay) {
    steps_ = 0;
    image_.Begin(window, picture, from);
    if (knight) {
        SlideHorizontal(from.x(), to.x(), from.y(), delay);
        SlideVertical(from.y(), to.y(), to.x(), delay);
    } else {
        SlideLine(from.x(), from.y(), to.x(), to.y(), delay);
    }
    image_.End();
}

void MoveAnimator::Step(int x, int y, int delay) {
    QElapsedTimer clock;
    clock.start();
    image_.MoveTo(QPoint(x, y));
    ++steps_;
    if (observer_) observer_(QPoint(x, y));
    // Deliberately a busy wait: the slide must not let input or timers in.
    if (delay > 0)
        while (clock.elapsed() <= delay) {}
}

void MoveAnimator::SlideHorizontal(int xa, int xb, int y, int delay) {
    const int dir = xb >= xa ? 1 : -1;
    for (int x = xa;; x += dir) {
        Step(x, y, delay);
        if (x == xb) break;
    }
}

void MoveAnimator::SlideVertical(int ya, int yb, int x, int delay) {
    const int dir = yb >= ya ? 1 : -1;
    for (int y = ya;; y += dir) {
        Step(x, y, delay);
        if (y == yb) break;
    }
}

void MoveAnimator::SlideLine(int x0, int y0, int x1, int y1, int delay) {
    if (x0 == x1 && y0 == y1) return;
    const int dx = x1 - x0, dy = y1 - y0;
    if (std::abs(dy) > std::abs(dx)) {
        const double slope = static_cast<double>(dx) / std::abs(dy);
        const int dir = dy > 0 ? 1 : -1;
        double u = x0;
        for (int y = y0;; y += dir) {
            Step(static_cast<int>(u), y, delay);
            if (y == y1) break;
            u += slope;
        }
    } else {
        const double slope = static_cast<double>(dy) / std::abs(dx);
        const int dir = dx > 0 ? 1 : -1;
        double u = y0;
        for (int x = x0;; x += dir) {
            Step(x, static_cast<int>(u), delay);
            if (x == x1) break;
            u += slope;
        }
    }
}

}  // namespace tablerix
