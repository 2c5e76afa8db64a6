#include "TNotesEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tablerix {

namespace {

bool HasLongWord(const QString& text) {
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > TNotesEdit::kLongWord) return true;
    }
    return false;
}

}  // namespace

TNotesEdit::TNotesEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { FitWrapToWords(position, added); });
}

void TNotesEdit::SetNotes(const QString& text) {
    // Never a long word laid out at word boundaries: breaking anywhere goes
    // on before such a text comes in and off only once it has gone.
    const bool anywhere = HasLongWord(text);
    if (anywhere) BreakAnywhere(true);
    // Text set over text is laid out again piece by piece, a hundred times
    // slower than into an empty field.
    clear();
    setPlainText(text);
    if (!anywhere) BreakAnywhere(false);
}

void TNotesEdit::BreakAnywhere(bool anywhere) {
    const QTextOption::WrapMode mode = anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode) setWordWrapMode(mode);
}

void TNotesEdit::FitWrapToWords(int position, int added) {
    const QTextDocument& doc = *document();
    if (doc.isEmpty()) {
        BreakAnywhere(false);
        return;
    }
    if (wordWrapMode() == QTextOption::WrapAnywhere) return;
    const QTextBlock last = doc.findBlock(position + added);
    for (QTextBlock block = doc.findBlock(position); block.isValid(); block = block.next()) {
        if (HasLongWord(block.text())) {
            BreakAnywhere(true);
            return;
        }
        if (block == last) return;
    }
}

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
    const QString text = source->text();
    if (HasLongWord(text)) BreakAnywhere(true);
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace tablerix
