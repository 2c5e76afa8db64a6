#include "TNotesEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace tablerix {

TNotesEdit::TNotesEdit(QWidget* parent) : QPlainTextEdit(parent) {}

bool TNotesEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && key->modifiers().testFlag(Qt::ControlModifier)) {
            const bool back = key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
            // The plain-text field's own override refuses while Tab types.
            QWidget::focusNextPrevChild(!back);
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

bool TNotesEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText() && !source->text().isEmpty();
}

void TNotesEdit::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !canInsertFromMimeData(source)) return;
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace tablerix
