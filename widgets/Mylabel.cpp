#include "Mylabel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tablerix {

namespace {
constexpr int kUnbounded = QWIDGETSIZE_MAX;
}

TmyLabel3d::TmyLabel3d(QWidget* parent) : TmyLabel3d(QString(), parent) {}

TmyLabel3d::TmyLabel3d(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAutoFillBackground(false);  // transparent
    // Pin the background colour so it no longer follows the parent's.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Window));
    setPalette(pal);
    setWordWrap(true);       // the caption always wraps
    setMouseTracking(true);  // moves without a button pressed drive OnMouseOut
}

void TmyLabel3d::SetAStyle3D(T3DEffect v) {
    if (v == style3D_) return;
    style3D_ = v;
    update();
}

void TmyLabel3d::SetAShadeRightBottom(const QColor& v) {
    if (v == shadeRightBottom_) return;
    shadeRightBottom_ = v;
    update();
}

void TmyLabel3d::SetAShadeLeftTop(const QColor& v) {
    if (v == shadeLeftTop_ || shadeLTSet_) return;
    shadeLeftTop_ = v;
    update();
}

void TmyLabel3d::SetAHShadeOffSet(int v) {
    if (v == hShadeOffSet_) return;
    hShadeOffSet_ = v;
    update();
}

void TmyLabel3d::SetAVShadeOffSet(int v) {
    if (v == vShadeOffSet_) return;
    vShadeOffSet_ = v;
    update();
}

void TmyLabel3d::SetAShadeLTSet(bool v) {
    if (v != shadeLTSet_) {
        shadeLTSet_ = v;
        if (v) {
            savedShadeLeftTop_ = shadeLeftTop_;
            shadeLeftTop_ = QColor(0xFF, 0xFF, 0xFF);
        } else {
            shadeLeftTop_ = savedShadeLeftTop_;
        }
    }
    update();
}

void TmyLabel3d::SetShowAccelChar(bool v) {
    if (v == showAccelChar_) return;
    showAccelChar_ = v;
    updateGeometry();
    update();
}

int TmyLabel3d::CaptionFlags() const {
    // Only the horizontal alignment: the caption always starts at the top.
    int flags = int(alignment() & Qt::AlignHorizontal_Mask) | Qt::TextWordWrap | Qt::TextExpandTabs;
    // Without the mnemonic flag Qt draws "&" as it stands.
    if (showAccelChar_) flags |= Qt::TextShowMnemonic;
    return flags;
}

QRect TmyLabel3d::DrawCaption(QPainter* painter, const QRect& rect, int flags, CaptionMode mode) const {
    QString caption = text();
    if (mode == CaptionMode::Measure) {
        // An empty caption still takes one line.
        if (caption.isEmpty() || (showAccelChar_ && caption == QStringLiteral("&"))) caption = QStringLiteral(" ");
        // Measured from the rectangle's corner: aligned inside a wide
        // rectangle, a caption of fractional width could straddle one more
        // pixel, and the size would then depend on the alignment.
        const int unaligned = flags & ~int(Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
        return QFontMetrics(font()).boundingRect(rect, unaligned, caption);
    }
    if (!painter) return {};

    painter->save();
    painter->setFont(font());
    painter->setBrush(Qt::NoBrush);
    const auto copy = [&](int dx, int dy, const QColor& colour) {
        painter->setPen(colour);
        painter->drawText(rect.translated(dx, dy), flags, caption);
    };
    switch (style3D_) {
    case T3DEffect::Raised3d:
        copy(1, 1, shadeRightBottom_);
        copy(-1, -1, shadeLeftTop_);
        break;
    case T3DEffect::Resit3d:
        copy(1, 1, shadeLeftTop_);
        copy(-1, -1, shadeRightBottom_);
        break;
    case T3DEffect::Shadowed3d: copy(hShadeOffSet_, vShadeOffSet_, shadeRightBottom_); break;
    case T3DEffect::Normal3d: break;
    }
    // Disabled: the system's grey text, whatever colours the label was given.
    painter->setPen(isEnabled() ? palette().color(QPalette::WindowText)
                                : QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    QRect bounds;
    painter->drawText(rect, flags, caption, &bounds);
    painter->restore();
    return bounds;
}

QSize TmyLabel3d::MeasureFor(int width) const {
    const QMargins m = contentsMargins();
    const int extraW = m.left() + m.right() + 2 * margin();
    const int extraH = m.top() + m.bottom() + 2 * margin();
    const int avail = width < 0 ? kUnbounded : std::max(1, width - extraW);
    const QRect r = DrawCaption(nullptr, QRect(0, 0, avail, kUnbounded), CaptionFlags(), CaptionMode::Measure);
    return r.size() + QSize(extraW, extraH);
}

QSize TmyLabel3d::sizeHint() const { return MeasureFor(-1); }

int TmyLabel3d::heightForWidth(int width) const { return MeasureFor(width).height(); }

void TmyLabel3d::paintEvent(QPaintEvent*) {
    // An opaque label (autoFillBackground) has had its colour filled by Qt.
    QPainter painter(this);
    drawFrame(&painter);
    const int m = margin();
    DrawCaption(&painter, contentsRect().adjusted(m, m, -m, -m), CaptionFlags(), CaptionMode::Paint);
}

void TmyLabel3d::mouseMoveEvent(QMouseEvent* event) {
    // No base handling: pointer moves are the label's alone.
    event->accept();
    if (QWidget::mouseGrabber() != this) grabMouse();
    if (QWidget::mouseGrabber() != this) return;
    const int x = int(std::floor(event->position().x()));
    const int y = int(std::floor(event->position().y()));
    // One pixel past the right or bottom edge still counts as inside.
    if (x >= 0 && x <= width() && y >= 0 && y <= height()) return;
    releaseMouse();
    if (auto handler = OnMouseOut) handler(*this);
}

void TmyLabel3d::ReleaseGrab() {
    // A hidden or disabled label must not keep swallowing the pointer.
    if (QWidget::mouseGrabber() == this) releaseMouse();
}

void TmyLabel3d::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) ReleaseGrab();
    QLabel::changeEvent(event);
}

void TmyLabel3d::hideEvent(QHideEvent* event) {
    ReleaseGrab();
    QLabel::hideEvent(event);
}

}  // namespace tablerix
