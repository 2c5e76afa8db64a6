#include "TNotesEdit.h"

#include <QMimeData>
#include <QTextCursor>

namespace tablerix {

TNotesEdit::TNotesEdit(QWidget* parent) : QPlainTextEdit(parent) {}

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
