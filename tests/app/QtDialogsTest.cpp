// Qt's own dialogs inside the program: in Spanish, the game filter named as
// written, and nothing of a closed file dialog left up while a game loads.
#include "FormDialogs.h"
#include "GameFileKind.h"
#include "QtTranslation.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "FormControls.h"
#include "MessageCloser.h"

#include <memory>

namespace tablerix {
namespace {

// Qt's Spanish catalogue for the length of one test.
class SpanishQt {
public:
    SpanishQt() : translator_(QtTranslation::InstallSpanish()) {}
    ~SpanishQt() {
        if (!translator_) return;
        QCoreApplication::removeTranslator(translator_);
        delete translator_;  // owned by the application until removed
    }
    SpanishQt(const SpanishQt&) = delete;
    SpanishQt& operator=(const SpanishQt&) = delete;
    bool Installed() const { return translator_ != nullptr; }

private:
    QTranslator* translator_;
};

QString AcceptButtonText(const QFileDialog& dialog) {
    const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!buttons) return {};
    const QList<QAbstractButton*> accept = buttons->buttons();
    for (QAbstractButton* b : accept)
        if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) return b->text();
    return {};
}

TEST(QtDialogsTest, QtsOwnTextsAreSpanish) {
    SpanishQt spanish;
    ASSERT_TRUE(spanish.Installed()) << "qtbase_es.qm is missing (scripts/deps.sh installs it)";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("Abrir"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?"),
              QStringLiteral("El fichero %1 ya existe.\n¿Desea reemplazarlo?"));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));

    TForm1 form;
    EXPECT_EQ(AcceptButtonText(*FileDialog(form, "Save")), QStringLiteral("&Guardar"));
    EXPECT_EQ(AcceptButtonText(*FileDialog(form, "Open")), QStringLiteral("&Abrir"));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tablerix  Aviso"), QStringLiteral("x"), QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
}

TEST(QtDialogsTest, GameFiltersAreListedByNameTheGameFileFirst) {
    TForm1 form;
    for (const QFileDialog* dialog : {FileDialog(form, "Save"), FileDialog(form, "Open")}) {
        const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 2);
        // Qt folds the double blank of the names it is given.
        EXPECT_EQ(types->itemText(0), GameFileKind::kGameFilterName.simplified());
        EXPECT_EQ(types->itemText(1), QStringLiteral("Partidas PGN ( .pgn )"));
        EXPECT_TRUE(dialog->nameFilters().value(0).endsWith(QStringLiteral("(*.Chess)")));
        EXPECT_FALSE(GameFileKind::IsPgn(QString(), dialog->selectedNameFilter()));
    }
}

// Cancels every file dialog without showing it.
class CancellingDialogs : public FormDialogs {
public:
    QString ChooseFile(QFileDialog& /*dialog*/) override { return {}; }
};

TEST(QtDialogsTest, FileDialogsAreMadeWhenFirstNeededAndKept) {
    TForm1 form;
    EXPECT_TRUE(form.findChildren<QFileDialog*>().isEmpty());
    form.SetDialogs(std::make_unique<CancellingDialogs>());

    EXPECT_TRUE(form.ChooseOpenFile().Path.isEmpty());
    ASSERT_EQ(form.findChildren<QFileDialog*>().size(), 1);
    QFileDialog* open = Control<QFileDialog>(form, "Open");
    EXPECT_EQ(open->parentWidget(), &form);
    EXPECT_EQ(open->windowTitle(), QStringLiteral("Tablerix ( Cargar Partida )."));
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(open->fileMode(), QFileDialog::AnyFile);  // the loader reports a missing file
    EXPECT_EQ(open->defaultSuffix(), QStringLiteral("Chess"));
    EXPECT_EQ(QDir(open->directory()).absolutePath(), QDir(FormDialogs::StartFolder()).absolutePath());

    // A folder chosen before the save dialog exists is where it starts.
    QTemporaryDir elsewhere;
    form.UseDialogFolderOf(elsewhere.filePath(QStringLiteral("ronda1.Chess")));
    EXPECT_TRUE(form.ChooseSaveFile().Path.isEmpty());
    form.ChooseOpenFile();
    ASSERT_EQ(form.findChildren<QFileDialog*>().size(), 2);
    EXPECT_EQ(Control<QFileDialog>(form, "Open"), open);
    QFileDialog* save = Control<QFileDialog>(form, "Save");
    EXPECT_EQ(save->windowTitle(), QStringLiteral("Tablerix ( Salvar Partida )."));
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->defaultSuffix(), QStringLiteral("Chess"));
    EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));  // asks before replacing
    EXPECT_TRUE(save->testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_EQ(QDir(save->directory()).absolutePath(), QDir(elsewhere.path()).absolutePath());
    EXPECT_EQ(QDir(open->directory()).absolutePath(), QDir(elsewhere.path()).absolutePath());
}

// How many file dialogs a window has when its first paint arrives.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget& window) : window_(window) { window.installEventFilter(this); }
    qsizetype DialogsAtFirstPaint = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && DialogsAtFirstPaint < 0)
            DialogsAtFirstPaint = window_.findChildren<QFileDialog*>().size();
        return false;
    }

private:
    QWidget& window_;
};

TEST(QtDialogsTest, FileDialogsAreMadeJustAfterTheFirstPaint) {
    TForm1 form;
    FirstPaintWatch watch(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.findChildren<QFileDialog*>().size() == 2; }));
    EXPECT_EQ(watch.DialogsAtFirstPaint, 0);
    // Made as on first use: named, titled, in the start folder, and hidden.
    for (const char* name : {"Save", "Open"}) {
        SCOPED_TRACE(name);
        const QFileDialog* dialog = Control<QFileDialog>(form, name);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->nameFilters().size(), 2);
        EXPECT_EQ(QDir(dialog->directory()).absolutePath(), QDir(FormDialogs::StartFolder()).absolutePath());
    }
    EXPECT_EQ(Control<QFileDialog>(form, "Save")->windowTitle(), QStringLiteral("Tablerix ( Salvar Partida )."));
    EXPECT_EQ(Control<QFileDialog>(form, "Open")->windowTitle(), QStringLiteral("Tablerix ( Cargar Partida )."));
    // Painted again, the window makes no more.
    form.repaint();
    QTest::qWait(20);
    EXPECT_EQ(form.findChildren<QFileDialog*>().size(), 2);
}

// Waits, processing events, until `done` holds or ten seconds pass (a busy
// machine may be slow to close a popup).
template <class Done>
bool WaitFor(Done done) {
    return QTest::qWaitFor(done, 10000);
}

TEST(QtDialogsTest, NothingOfTheFileDialogStaysUpDuringALoad) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("completa.Chess"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1. E2-E4\r\nTiempos...\r\n000000000000000000110000\r\nJugadas Jaque...\r\n1. E2-E4\r\nNotas...\r\n");
    }
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Control<QTimer>(form, "Timer1")->stop();

    QAbstractItemView* popup = nullptr;
    bool popupShown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll.stop();
        dialog->setDirectory(dir.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name || !name->completer()) {
            ADD_FAILURE() << "no name field with completion";
            dialog->reject();
            return;
        }
        // The user types the start of the name and the completion list opens.
        QTest::keyClicks(name, QStringLiteral("comp"));
        popup = name->completer()->popup();
        popupShown = WaitFor([&] {
            if (!popup->isVisible()) name->completer()->complete();
            return popup->isVisible();
        });
        name->setText(QStringLiteral("completa.Chess"));
        static_cast<QDialog*>(dialog)->accept();  // with the list still up
    });
    poll.start(10);

    bool checked = false;
    bool dialogUp = true, popupUp = true;
    Board(form)->OnPaint = [&](ChessBrdCore&) {
        if (!form.Loading() || checked) return;
        checked = true;  // the first replayed move
        dialogUp = FileDialog(form, "Open")->isVisible();
        popupUp = popup && popup->isVisible();
    };
    MessageCloser closer;
    form.BCargarConClick();
    Board(form)->OnPaint = nullptr;
    ASSERT_TRUE(popupShown) << "the completion list never opened";
    ASSERT_TRUE(checked);
    EXPECT_FALSE(dialogUp);
    EXPECT_FALSE(popupUp);
    EXPECT_EQ(closer.texts, QStringList{"        Continuar Partida"});
}

}  // namespace
}  // namespace tablerix
