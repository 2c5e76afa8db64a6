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
    // Connected before the first paint lays anything out, and the view lays
    // out lazily, so the mode is right before a long word is ever measured.
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { FitWrapToWords(position, added); });
}

void TNotesEdit::FitWrapToWords(int position, int added) {
    const QTextDocument& doc = *document();
    if (position == 0 && added >= doc.characterCount() - 1 &&
        wordWrapMode() != QTextOption::WrapAtWordBoundaryOrAnywhere)
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (wordWrapMode() == QTextOption::WrapAnywhere) return;
    const QTextBlock last = doc.findBlock(position + added);
    for (QTextBlock block = doc.findBlock(position); block.isValid(); block = block.next()) {
        if (HasLongWord(block.text())) {
            setWordWrapMode(QTextOption::WrapAnywhere);
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
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace tablerix
