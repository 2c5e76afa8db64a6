#pragma once
// TmyLabel3d: a QLabel whose caption is drawn with a 3-D effect (sunken,
// raised or with one offset shadow) and that reports, through OnMouseOut,
// the first pointer move outside it. Everything else (caption, font,
// alignment, colours, transparency, size hints) is the ordinary label's.
// The caption is drawn as plain text, always word-wrapped, from the top of
// the label: only the horizontal part of alignment() applies.
//
// Pointer tracking: the first move over the label takes the mouse grab, so
// every later move reaches the label until one falls outside; that move gives
// the grab up and fires OnMouseOut once. Hiding or disabling the label gives
// a held grab up without firing. User-interface thread only.

#include <QColor>
#include <QLabel>

#include <functional>

class QPainter;

namespace tablerix {

enum class T3DEffect { Normal3d, Resit3d, Raised3d, Shadowed3d };

class TmyLabel3d : public QLabel {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TmyLabel3d& Sender)>;
    enum class CaptionMode { Paint, Measure };

    // Transparent (no background fill) and with its own palette colours.
    explicit TmyLabel3d(QWidget* parent = nullptr);
    explicit TmyLabel3d(const QString& text, QWidget* parent = nullptr);
    ~TmyLabel3d() override = default;

    // Setters store a changed value and schedule a repaint.
    T3DEffect AStyle3D() const noexcept { return style3D_; }
    void SetAStyle3D(T3DEffect v);
    // Colour of the shadow, and of one copy in the raised and sunken styles.
    QColor AShadeRightBottom() const { return shadeRightBottom_; }
    void SetAShadeRightBottom(const QColor& v);
    // Colour of the other copy in the raised and sunken styles. Ignored
    // while AShadeLTSet() is true.
    QColor AShadeLeftTop() const { return shadeLeftTop_; }
    void SetAShadeLeftTop(const QColor& v);
    // Shift of the Shadowed3d copy in pixels (a negative vertical one is up).
    int AHShadeOffSet() const noexcept { return hShadeOffSet_; }
    void SetAHShadeOffSet(int v);
    int AVShadeOffSet() const noexcept { return vShadeOffSet_; }
    void SetAVShadeOffSet(int v);
    // True holds AShadeLeftTop() at white, keeping the previous value in
    // SavedShadeLeftTop() until it is set back to false. Always repaints.
    bool AShadeLTSet() const noexcept { return shadeLTSet_; }
    void SetAShadeLTSet(bool v);
    QColor SavedShadeLeftTop() const { return savedShadeLeftTop_; }
    // True: "&" marks the next character as the underlined accelerator;
    // false: "&" is drawn as it stands.
    bool ShowAccelChar() const noexcept { return showAccelChar_; }
    void SetShowAccelChar(bool v);

    // Fired on the first pointer move outside the label after one over it.
    TNotifyEvent OnMouseOut;

    // Lays the caption out in `rect` with `flags` (Qt alignment and text
    // flags). In Paint mode draws the shade copies and then the caption with
    // `painter`; in Measure mode `painter` may be null and nothing is drawn,
    // and an empty caption (or a lone accelerator "&") counts as one blank.
    // Returns the rectangle of the unshifted caption: the copies never count.
    // A measured caption is placed at `rect`'s top left whatever the
    // alignment, so its size is the same for every alignment.
    QRect DrawCaption(QPainter* painter, const QRect& rect, int flags, CaptionMode mode) const;

    // Measured with DrawCaption: the unwrapped caption, or the caption
    // wrapped at `width`, plus the label's margins.
    QSize sizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int CaptionFlags() const;
    QSize MeasureFor(int width) const;
    void ReleaseGrab();

    T3DEffect style3D_ = T3DEffect::Normal3d;
    QColor shadeRightBottom_{0x80, 0x80, 0x80};
    QColor shadeLeftTop_{0xFF, 0xFF, 0xFF};
    QColor savedShadeLeftTop_{0xFF, 0xFF, 0xFF};
    int hShadeOffSet_ = 5;
    int vShadeOffSet_ = -5;
    bool shadeLTSet_ = false;
    bool showAccelChar_ = true;
};

}  // namespace tablerix
