#pragma once
// The moving piece picture: an overlay drawn over the whole window that holds
// the board, so it can travel anywhere in that window without the board
// repainting what lies under it. It is a child widget of that window, on top
// of its siblings and transparent for the mouse. Every change is put on screen
// at once (synchronous repaint of the old and new areas). At most one is up.
// Owned by TChessBrd; user-interface thread only.

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <memory>

class QRegion;
class QWidget;

namespace tablerix {

class DragImage {
public:
    DragImage();
    ~DragImage();
    DragImage(const DragImage&) = delete;
    DragImage& operator=(const DragImage&) = delete;

    // Puts the picture up over `window`, its top-left corner at `pos` in the
    // window's coordinates. A picture already up is taken down first.
    void Begin(QWidget* window, const QImage& picture, QPoint pos);
    // Moves the picture's top-left corner to `pos`; nothing when none is up.
    void MoveTo(QPoint pos);
    // Takes the picture down; harmless when none is up.
    void End();
    bool IsUp() const noexcept;
    QPoint Position() const noexcept { return pos_; }
    // The overlay's area in the window's coordinates (empty when down).
    QRect Area() const;
    // True while a change of the picture is being put on screen: paints of
    // the window's controls meanwhile only recompose what is already drawn.
    bool Composing() const noexcept { return composing_; }

private:
    class Overlay;
    void Show(const QRegion& dirty);

    std::unique_ptr<Overlay> overlay_;
    QPointer<QWidget> guard_;   // notices the window deleting the overlay
    QPointer<QWidget> window_;  // where the picture is up, if any
    QPoint pos_;
    bool composing_ = false;
};

}  // namespace tablerix
