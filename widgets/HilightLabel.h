#pragma once
// THilightLabel: an ordinary QLabel that looks like a link. While the pointer
// is over it, its font takes HiLightColor() and HiLightStyle() and the pointer
// takes HiLightCursor(); when the pointer leaves, the colour, style and
// pointer it had on entry come back. OnMouseEnter and OnMouseLeave report the
// two moments. User-interface thread only.

#include <QColor>
#include <QCursor>
#include <QFlags>
#include <QFont>
#include <QLabel>

#include <array>
#include <functional>

namespace tablerix {

enum class FontStyle : unsigned { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

class THilightLabel : public QLabel {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(THilightLabel& Sender)>;

    explicit THilightLabel(QWidget* parent = nullptr);
    explicit THilightLabel(const QString& text, QWidget* parent = nullptr);
    ~THilightLabel() override = default;

    // The look while hovered. The setters only store: a change made while
    // hovered shows at the next entry.
    QColor HiLightColor() const { return hiLightColor_; }  // navy
    void SetHiLightColor(const QColor& v) { hiLightColor_ = v; }
    FontStyles HiLightStyle() const noexcept { return hiLightStyle_; }  // bold, underline
    void SetHiLightStyle(FontStyles v) noexcept { hiLightStyle_ = v; }
    QCursor HiLightCursor() const { return hiLightCursor_; }  // the hand
    void SetHiLightCursor(const QCursor& v) { hiLightCursor_ = v; }

    bool Hovered() const noexcept { return hovered_; }

    // The font style of `font` as a set.
    static FontStyles StyleOf(const QFont& font);

    TNotifyEvent OnMouseEnter;  // after the highlight is painted
    TNotifyEvent OnMouseLeave;  // after the normal look is painted again

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    static constexpr std::array<QPalette::ColorGroup, 3> kGroups{QPalette::Active, QPalette::Inactive,
                                                                 QPalette::Disabled};

    QColor hiLightColor_{0x00, 0x00, 0x80};
    FontStyles hiLightStyle_ = FontStyle::Bold | FontStyle::Underline;
    QCursor hiLightCursor_{Qt::PointingHandCursor};

    // What the label looked like when the pointer came over it.
    bool hovered_ = false;
    std::array<QColor, kGroups.size()> savedColour_;
    int savedWeight_ = QFont::Normal;
    bool savedItalic_ = false;
    bool savedUnderline_ = false;
    bool savedStrikeOut_ = false;
    bool hadOwnCursor_ = false;
    QCursor savedCursor_;
};

}  // namespace tablerix
