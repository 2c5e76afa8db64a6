#pragma once
// A shown board inside a window, with helpers to read its pixels and to drive
// the pointer through the window system (so grabs and modality apply).

#include "TChessBrd.h"

#include <gtest/gtest.h>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace tablerix::test {

// The board with a switchable engine state and a record of what it put on screen.
class TestBoard : public TChessBrd {
public:
    using TChessBrd::TChessBrd;
    bool thinking = false;
    long long paintedArea = 0;
    bool Thinking() const override { return thinking; }

protected:
    void paintEvent(QPaintEvent* event) override {
        for (const QRect& r : event->region()) paintedArea += static_cast<long long>(r.width()) * r.height();
        TChessBrd::paintEvent(event);
    }
};

inline QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// A set of cells k pixels wide: picture cells filled with CellColour(colour, piece),
// masks black (opaque) except a transparent left quarter.
inline QColor CellColour(int colour, int piece) { return QColor(40 + 30 * piece, colour ? 200 : 20, 90); }

inline QImage MakeSet(int k) {
    QImage set(6 * k, 4 * k, QImage::Format_RGB32);
    set.fill(Qt::white);
    QPainter p(&set);
    for (int colour = 0; colour < 2; ++colour)
        for (int piece = 0; piece < 6; ++piece) {
            p.fillRect(piece * k, 2 * colour * k, k, k, CellColour(colour, piece));
            p.fillRect(piece * k + k / 4, (2 * colour + 1) * k, k - k / 4, k, Qt::black);
        }
    return set;
}

// The headless platform cannot grab the pointer at window-system level and
// says so on every drag; Qt's own grab still routes the events.
inline QtMessageHandler previousMessageHandler = nullptr;
inline void DropGrabWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support grabbing"))) return;
    if (previousMessageHandler) previousMessageHandler(type, context, message);
}

class BoardFixture : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool installed = [] {
            previousMessageHandler = qInstallMessageHandler(DropGrabWarnings);
            return true;
        }();
        (void)installed;
        window_ = std::make_unique<QWidget>();
        window_->resize(640, 480);
        board_ = new TestBoard(window_.get());  // owned by the window
        board_->move(40, 30);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        QCoreApplication::processEvents();
    }

    // What is on screen now, read back from the window system: a grab would
    // make the board paint itself afresh instead.
    QImage WindowShot() const { return Rgb(window_->screen()->grabWindow(window_->winId()).toImage()); }
    QImage Shot() const { return WindowShot().copy(board_->geometry()); }
    QRgb Pixel(int x, int y) const { return Shot().pixel(x, y) & 0xFFFFFFu; }
    QPoint InWindow(QPoint p) const { return board_->mapTo(window_.get(), p); }
    // Centre of a square in board coordinates.
    QPoint Centre(Square q) const { return board_->SquareOrigin(q) + QPoint(20, 20); }

    void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(window_->windowHandle(), b, {}, InWindow(p));
    }
    void MoveTo(QPoint p) { QTest::mouseMove(window_->windowHandle(), InWindow(p)); }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(window_->windowHandle(), b, {}, InWindow(p));
    }
    // Press on `from`, move in a few steps to `to`, release there.
    void DragPiece(QPoint from, QPoint to) {
        Press(from);
        MoveTo(from + QPoint(6, 0));
        MoveTo((from + to) / 2);
        MoveTo(to);
        Release(to);
    }

    std::unique_ptr<QWidget> window_;
    TestBoard* board_ = nullptr;
};

}  // namespace tablerix::test
