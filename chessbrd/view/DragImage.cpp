#include "DragImage.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace tablerix {

class DragImage::Overlay : public QWidget {
public:
    Overlay() {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }
    void SetPicture(const QImage& picture) {
        picture_ = picture;
        resize(picture.size());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, picture_);
    }

private:
    QImage picture_;
};

DragImage::DragImage() = default;

DragImage::~DragImage() {
    // The window may already have deleted the overlay as its child.
    if (!guard_) (void)overlay_.release();
}

bool DragImage::IsUp() const noexcept { return window_ && guard_ && !overlay_->isHidden(); }

QRect DragImage::Area() const { return IsUp() ? overlay_->geometry() : QRect(); }

void DragImage::Show(const QRegion& dirty) {
    if (!window_ || !window_->isVisible()) return;
    composing_ = true;
    window_->repaint(dirty);
    composing_ = false;
}

void DragImage::Begin(QWidget* window, const QImage& picture, QPoint pos) {
    End();
    if (!window) return;
    if (!guard_) {
        (void)overlay_.release();
        overlay_ = std::make_unique<Overlay>();
        guard_ = overlay_.get();
    }
    overlay_->setParent(window);
    overlay_->SetPicture(picture);
    overlay_->move(pos);
    overlay_->raise();
    overlay_->show();
    window_ = window;
    pos_ = pos;
    Show(QRegion(overlay_->geometry()));
}

void DragImage::MoveTo(QPoint pos) {
    if (!IsUp() || pos == pos_) return;
    const QRect old = overlay_->geometry();
    overlay_->move(pos);
    pos_ = pos;
    Show(QRegion(old) + overlay_->geometry());
}

void DragImage::End() {
    if (!IsUp()) {
        window_ = nullptr;
        return;
    }
    const QRect old = overlay_->geometry();
    overlay_->hide();
    Show(QRegion(old));
    // Back to sole ownership here, so the window never deletes it.
    overlay_->setParent(nullptr);
    window_ = nullptr;
}

}  // namespace tablerix
