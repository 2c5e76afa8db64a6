// No game lost: the record of the game in progress, the question after a run
// cut short, the last game given up, and a record that cannot be written.
// A killed run is simulated by putting its record back after a normal end.

#include "FileSizeLimit.h"
#include "Form1Record.h"
#include "GameFileWindowFixture.h"
#include "MessageCloser.h"
#include "TNotesEdit.h"

#include <QAction>
#include <QPlainTextEdit>

namespace tablerix {
namespace {

class GameRecordWindowTest : public GameFileWindowTest {
protected:
    void SetUp() override {
        GameFileWindowTest::SetUp();
        folder = dir.filePath(QStringLiteral("state/tablerix"));
        ASSERT_TRUE(form->KeepRecordIn(folder, true));
    }

    // Everything the window has asked to write is on disk.
    void Settle() {
        QTest::qWait(0);
        QCoreApplication::processEvents();
        form->Record().Journal()->Wait();
    }
    QString RecordPath() const { return folder + u'/' + GameJournal::kRecordName; }
    QString DiscardedPath() const { return folder + u'/' + GameJournal::kDiscardedName; }

    // The window ends normally and a new one starts on the same folder.
    void Restart(bool yes) {
        form.reset();
        form = std::make_unique<TForm1>();
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        dialogs->yes = yes;
        form->SetDialogs(std::move(owned));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        Control<QTimer>(*form, "Timer1")->stop();
        ASSERT_TRUE(form->KeepRecordIn(folder, true));
    }

    // A game with something in every field a record keeps.
    void PlayAGameWithEverything() {
        Control<QComboBox>(*form, "ComboDificultad")->setCurrentIndex(2);
        Pick(Control<QComboBox>(*form, "ComboPiezas"), 1);
        Pick(Control<QComboBox>(*form, "ComboBorde"), 1);
        StartTwoPlayers();
        Play({{S::E2, S::E4}, {S::E7, S::E5}, {S::D1, S::H5}, {S::B8, S::C6}, {S::F1, S::C4}});
        SetClocks({0, 3, 7}, {0, 2, 59}, {0, 6, 6});
        Control<QPlainTextEdit>(*form, "MNotas")->setPlainText(QStringLiteral("Apertura\ncon la dama"));
    }

    struct Fields {
        QStringList moves, entries, clocks;
        std::array<int, 6> choices{};
        QString notes, position;
        bool operator==(const Fields&) const = default;
        friend void PrintTo(const Fields& f, std::ostream* out) {
            *out << "moves " << f.moves.join(u'|').toStdString() << "\nentries " << f.entries.join(u'|').toStdString()
                 << "\nclocks " << f.clocks.join(u' ').toStdString() << "\nchoices";
            for (int c : f.choices) *out << ' ' << c;
            *out << "\nnotes " << f.notes.toStdString() << "\nposition " << f.position.toStdString();
        }
    };
    Fields Now() const {
        return {Lines(Control<QListWidget>(*form, "ListBox1")),
                Lines(Control<QListWidget>(*form, "ListBoxRepe")),
                ClockLabelTexts(*form),
                Choices(),
                Control<QPlainTextEdit>(*form, "MNotas")->toPlainText(),
                QString::fromStdString(Board(*form)->Position())};
    }

    QString Said() const { return Control<QLabel>(*form, "LAnuncio")->text(); }
    QString Panel() const { return Control<QLabel>(*form, "StatusPanel1")->text(); }

    QString folder;
};

TEST_F(GameRecordWindowTest, AnInterruptedGameIsOfferedAndComesBackFieldByField) {
    PlayAGameWithEverything();
    Settle();
    const Fields before = Now();
    const QByteArray record = ReadAll(RecordPath());
    ASSERT_FALSE(record.isEmpty());

    // Killed: the record stays where a normal end would have removed it.
    form.reset();
    EXPECT_FALSE(QFile::exists(RecordPath()));
    WriteAll(RecordPath(), record);
    QFile::remove(DiscardedPath());

    MessageCloser closer;
    Restart(true);
    QTRY_COMPARE(dialogs->questions, QStringList{Form1Record::kQuestion});
    QTRY_VERIFY(!closer.texts.isEmpty());  // "Continuar Partida", as any load says
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(Control<QLabel>(*form, "LPartida")->text(), Form1Record::kRecoveredHeader);
    EXPECT_FALSE(Board(*form)->WhiteToMove());
    // Play goes on, and the record follows it again.
    Play({{S::G8, S::F6}});
    Settle();
    EXPECT_TRUE(ReadAll(RecordPath()).contains("G8"));
}

TEST_F(GameRecordWindowTest, ANoKeepsTheInterruptedGameAsThePreviousOne) {
    PlayAGameWithEverything();
    Settle();
    const Fields before = Now();
    const QByteArray record = ReadAll(RecordPath());
    form.reset();
    WriteAll(RecordPath(), record);
    QFile::remove(DiscardedPath());

    Restart(false);
    QTRY_COMPARE(dialogs->questions.size(), 1);
    EXPECT_TRUE(Lines(Control<QListWidget>(*form, "ListBox1")).isEmpty());
    EXPECT_FALSE(QFile::exists(RecordPath()));
    EXPECT_EQ(ReadAll(DiscardedPath()), record);

    // Asked once only: the next start finds no interrupted game.
    Restart(true);
    QTest::qWait(50);
    EXPECT_TRUE(dialogs->questions.isEmpty());
    MessageCloser closer;
    form->findChild<QAction*>(QStringLiteral("AccionRecuperarAnterior"))->trigger();
    EXPECT_EQ(Now(), before);
}

TEST_F(GameRecordWindowTest, AGameGivenUpUnsavedCanBeBroughtBack) {
    MessageCloser closer;
    form->RecoverPreviousGame();  // nothing given up yet
    EXPECT_EQ(Control<QLabel>(*form, "LAnuncio")->text(), Form1Record::kNoPrevious);

    PlayAGameWithEverything();
    const Fields played = Now();
    form->BNuevaParClick();
    Settle();
    EXPECT_FALSE(QFile::exists(RecordPath()));  // nothing in progress worth keeping
    ASSERT_TRUE(QFile::exists(DiscardedPath()));

    // The new game, once played, is itself given up by the recovery.
    Play({{S::D2, S::D4}});
    const Fields second = Now();
    form->RecoverPreviousGame();
    EXPECT_EQ(Now(), played);
    Settle();
    form->RecoverPreviousGame();
    EXPECT_EQ(Now().moves, second.moves);
}

TEST_F(GameRecordWindowTest, ASavedUnchangedGameIsNotKeptAndTheQuitKeepsAnUnsavedOne) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    dialogs->answers << File("guardada.Chess");
    form->BSalvarClick();
    ASSERT_TRUE(QFile::exists(File("guardada.Chess")));
    form->BNuevaParClick();
    Settle();
    EXPECT_FALSE(QFile::exists(DiscardedPath()));

    // A loaded file's game, unchanged, is on disk already; once moved, it is not.
    MessageCloser closer;
    Load(File("guardada.Chess"));
    form->BNuevaParClick();
    Settle();
    EXPECT_FALSE(QFile::exists(DiscardedPath()));
    Load(File("guardada.Chess"));
    Play({{S::E7, S::E5}});
    form.reset();  // the program ends normally
    EXPECT_FALSE(QFile::exists(RecordPath()));
    EXPECT_TRUE(ReadAll(DiscardedPath()).contains("E7"));
}

TEST_F(GameRecordWindowTest, AFailingWriteKeepsTheOldRecordSaysSoOnceAndPlayGoesOn) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}, {S::E7, S::E5}});
    Settle();
    const QByteArray old = ReadAll(RecordPath());
    ASSERT_FALSE(old.isEmpty());
    {
        // Room for the old record but not for a longer one.
        FileSizeLimit limit(static_cast<rlim_t>(old.size()));
        ASSERT_TRUE(limit.Ok());
        Play({{S::G1, S::F3}});
        Settle();
        QTRY_COMPARE(Said(), Form1Record::kWriteFailed);
        EXPECT_EQ(Panel(), Form1Record::kFailedPanel);
        EXPECT_EQ(ReadAll(RecordPath()), old);
        // The game goes on, and the failure is not said again for every move.
        Play({{S::B8, S::C6}});
        Settle();
        QTRY_COMPARE(Said(), QStringLiteral("Negras: caballo de b8 a c6"));
        QTest::qWait(20);
        EXPECT_EQ(Said(), QStringLiteral("Negras: caballo de b8 a c6"));
        EXPECT_EQ(Panel(), Form1Record::kFailedPanel);
        EXPECT_EQ(ReadAll(RecordPath()), old);
        EXPECT_EQ(Lines(Control<QListWidget>(*form, "ListBox1")).size(), 4);
    }
    Play({{S::F1, S::C4}});
    Settle();
    EXPECT_TRUE(ReadAll(RecordPath()).contains("F1"));
    QTRY_COMPARE(Panel(), QStringLiteral("Programa de Ajedrez"));
}

TEST_F(GameRecordWindowTest, ASecondRunKeepsNoRecordOverTheFirstOnes) {
    StartTwoPlayers();
    Play({{S::E2, S::E4}});
    Settle();
    TForm1 second;
    EXPECT_FALSE(second.KeepRecordIn(folder, true));
    EXPECT_TRUE(QFile::exists(RecordPath()));
}

}  // namespace
}  // namespace tablerix
