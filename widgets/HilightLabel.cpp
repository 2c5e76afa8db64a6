#include "HilightLabel.h"

#include <QEnterEvent>

namespace tablerix {

THilightLabel::THilightLabel(QWidget* parent) : THilightLabel(QString(), parent) {}

THilightLabel::THilightLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

FontStyles THilightLabel::StyleOf(const QFont& font) {
    FontStyles s;
    s.setFlag(FontStyle::Bold, font.bold());
    s.setFlag(FontStyle::Italic, font.italic());
    s.setFlag(FontStyle::Underline, font.underline());
    s.setFlag(FontStyle::StrikeOut, font.strikeOut());
    return s;
}

void THilightLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    // A second entry without a leave must not take the highlight for the
    // normal look, or the label would stay highlighted.
    if (!hovered_) {
        hovered_ = true;
        QPalette pal = palette();
        for (std::size_t i = 0; i < kGroups.size(); ++i) savedColour_[i] = pal.color(kGroups[i], QPalette::WindowText);
        QFont f = font();
        savedWeight_ = f.weight();
        savedItalic_ = f.italic();
        savedUnderline_ = f.underline();
        savedStrikeOut_ = f.strikeOut();
        hadOwnCursor_ = testAttribute(Qt::WA_SetCursor);
        savedCursor_ = cursor();

        // The disabled colour stays grey.
        pal.setColor(QPalette::Active, QPalette::WindowText, hiLightColor_);
        pal.setColor(QPalette::Inactive, QPalette::WindowText, hiLightColor_);
        setPalette(pal);
        // Only touch the weight when boldness changes, so a light face stays light.
        if (hiLightStyle_.testFlag(FontStyle::Bold) != f.bold()) f.setBold(hiLightStyle_.testFlag(FontStyle::Bold));
        f.setItalic(hiLightStyle_.testFlag(FontStyle::Italic));
        f.setUnderline(hiLightStyle_.testFlag(FontStyle::Underline));
        f.setStrikeOut(hiLightStyle_.testFlag(FontStyle::StrikeOut));
        setFont(f);
        setCursor(hiLightCursor_);
    }
    repaint();
    if (auto handler = OnMouseEnter) handler(*this);
}

void THilightLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    // Without a matching entry there is nothing remembered to put back.
    if (hovered_) {
        hovered_ = false;
        QPalette pal = palette();
        for (std::size_t i = 0; i < kGroups.size(); ++i)
            pal.setColor(kGroups[i], QPalette::WindowText, savedColour_[i]);
        setPalette(pal);
        QFont f = font();
        f.setWeight(QFont::Weight(savedWeight_));
        f.setItalic(savedItalic_);
        f.setUnderline(savedUnderline_);
        f.setStrikeOut(savedStrikeOut_);
        setFont(f);
        if (hadOwnCursor_) {
            setCursor(savedCursor_);
        } else {
            unsetCursor();  // follow the parent's pointer again
        }
    }
    repaint();
    if (auto handler = OnMouseLeave) handler(*this);
}

}  // namespace tablerix
