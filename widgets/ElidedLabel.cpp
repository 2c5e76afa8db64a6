#include "ElidedLabel.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace tablerix {

namespace {
const QString kEllipsis(QChar(0x2026));
}

ElidedLabel::ElidedLabel(QWidget* parent) : ElidedLabel(QString(), parent) {}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QString ElidedLabel::ElidedText(int width) const {
    const QString full = text();
    const QFontMetrics fm(font());
    if (fm.horizontalAdvance(full) <= width) return full;
    // Keep the file name and as many leading folders as fit: "/home/…/x".
    const qsizetype nameAt = full.lastIndexOf(u'/');
    if (nameAt > 0) {
        const QString tail = kEllipsis + full.mid(nameAt);
        for (qsizetype cut = full.lastIndexOf(u'/', nameAt - 1); cut >= 0;
             cut = cut == 0 ? -1 : full.lastIndexOf(u'/', cut - 1)) {
            const QString candidate = full.left(cut + 1) + tail;
            if (fm.horizontalAdvance(candidate) <= width) return candidate;
        }
    }
    return fm.elidedText(full, Qt::ElideMiddle, width);
}

QRect ElidedLabel::TextRect() const {
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

QString ElidedLabel::ShownText() const { return ElidedText(TextRect().width()); }

QSize ElidedLabel::minimumSizeHint() const {
    return QSize(QFontMetrics(font()).horizontalAdvance(kEllipsis), QLabel::minimumSizeHint().height());
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect r = TextRect();
    style()->drawItemText(&painter, r, int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), ElidedText(r.width()), foregroundRole());
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (text().isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        }
        return true;
    }
    return QLabel::event(event);
}

}  // namespace tablerix
