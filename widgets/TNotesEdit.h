#pragma once
// TNotesEdit: the multi-line notes field, a QPlainTextEdit that takes only
// text from a paste or a drop and ignores data that brings none. Qt 6.4's
// own handling crashes on a paste from an empty clipboard (data without any
// format); Ctrl+V, the context menu, a middle click and a drop all come
// through here instead. Tab types a tab; Ctrl+Tab and Ctrl+Shift+Tab leave
// the field forward and backward, so the keyboard is never trapped here.
// Lines break at word boundaries; once the text holds a word longer than
// kLongWord characters they break anywhere, as laying such a word out at
// word boundaries takes minutes (a 1 MiB word). The text itself is never
// changed for it. The mode must be right before such a text is laid out,
// which happens inside the change itself: new notes go through SetNotes,
// and a paste is judged before it goes in. User-interface thread only.

#include <QPlainTextEdit>

class QMimeData;

namespace tablerix {

class TNotesEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kLongWord = 200;

    explicit TNotesEdit(QWidget* parent = nullptr);
    ~TNotesEdit() override = default;

    // Replaces the text as setPlainText does, the wrap mode chosen first.
    void SetNotes(const QString& text);

protected:
    // Ctrl+Tab and Ctrl+Shift+Tab move the focus on; other events as usual.
    bool event(QEvent* event) override;
    // True only for data that carries some text.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    // Inserts that text as plain text at the cursor, over any selection;
    // anything else changes nothing.
    void insertFromMimeData(const QMimeData* source) override;

private:
    // After an edit (typing): a word grown too long turns breaking anywhere
    // on; an emptied field turns it off.
    void FitWrapToWords(int position, int added);
    void BreakAnywhere(bool anywhere);
};

}  // namespace tablerix
