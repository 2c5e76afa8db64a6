// The notes field and pastes: an empty clipboard (Qt 6.4 would crash on it),
// data without text, and an ordinary paste.
#include "TNotesEdit.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

#include <memory>

using tablerix::TNotesEdit;

namespace {

// The field with its guarded calls reachable, shown, its cursor at the end.
class Notes : public TNotesEdit {
public:
    using TNotesEdit::canInsertFromMimeData;
    using TNotesEdit::insertFromMimeData;
};

class TNotesEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        notes.setPlainText(QStringLiteral("Notas"));
        notes.resize(200, 100);
        notes.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&notes));
        notes.moveCursor(QTextCursor::End);
    }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    // A clipboard with nothing on it, as the window system hands it over.
    static void EmptyClipboard(QClipboard::Mode mode = QClipboard::Clipboard) {
        QGuiApplication::clipboard()->setMimeData(new QMimeData, mode);
    }

    Notes notes;
};

TEST_F(TNotesEditTest, PastingAnEmptyClipboardChangesNothing) {
    EmptyClipboard();
    QTest::keyClick(&notes, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("Notas"));
    QTest::keyClick(&notes, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("Notas"));
    // A middle click pastes the selection where the platform has one.
    if (QGuiApplication::clipboard()->supportsSelection()) EmptyClipboard(QClipboard::Selection);
    QTest::mouseClick(notes.viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("Notas"));
}

TEST_F(TNotesEditTest, DataWithoutTextIsRefusedWhicheverWayItComes) {
    // Both ways of pasting end in these two calls.
    QMimeData empty;
    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
    QMimeData blank;
    blank.setText(QString());
    for (const QMimeData* data : std::initializer_list<const QMimeData*>{nullptr, &empty, &image, &blank}) {
        EXPECT_FALSE(notes.canInsertFromMimeData(data));
        notes.insertFromMimeData(data);
    }
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("Notas"));
}

TEST_F(TNotesEditTest, AnOrdinaryPasteStillWorks) {
    QGuiApplication::clipboard()->setText(QStringLiteral(": peón\tcaballo\nsegunda línea"));
    QTest::keyClick(&notes, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("Notas: peón\tcaballo\nsegunda línea"));
    notes.undo();
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("Notas"));
    // Over a selection, as any paste.
    notes.selectAll();
    QMimeData rich;
    rich.setHtml(QStringLiteral("<b>negrita</b>"));
    rich.setText(QStringLiteral("negrita"));
    EXPECT_TRUE(notes.canInsertFromMimeData(&rich));
    notes.insertFromMimeData(&rich);
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("negrita"));
    // A read-only field takes nothing.
    notes.setReadOnly(true);
    notes.insertFromMimeData(&rich);
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("negrita"));
}

// A word of any length is laid out breaking anywhere (at word boundaries
// it would take minutes); the text itself is never touched for it.
TEST_F(TNotesEditTest, AVeryLongWordBreaksAnywhereAndTheTextStaysAsItIs) {
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QString word(TNotesEdit::kLongWord, u'x');
    notes.SetNotes(QStringLiteral("Una nota ") + word);  // as long as a word may be
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    const QString huge = QStringLiteral("Comentario: ") + QString(1024 * 1024, u'a') + QStringLiteral(" fin");
    notes.SetNotes(huge);
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAnywhere);
    notes.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(notes.toPlainText(), huge);

    // New notes decide afresh; typing or pasting a long word turns it on,
    // emptying the field turns it off.
    notes.SetNotes(QStringLiteral("Notas"));
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    notes.moveCursor(QTextCursor::End);
    QTest::keyClicks(&notes, QStringLiteral(" ") + word);
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTest::keyClicks(&notes, QStringLiteral("y"));
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(notes.toPlainText(), QStringLiteral("Notas ") + word + u'y');
    notes.clear();
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QGuiApplication::clipboard()->setText(QStringLiteral("\n") + word + word);
    QTest::keyClick(&notes, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(notes.wordWrapMode(), QTextOption::WrapAnywhere);
}

}  // namespace
