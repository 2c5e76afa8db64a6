// The program's start from its command line: what the arguments mean, a game
// named there (".Chess" or PGN) loaded exactly as "CARGAR SIN Animación"
// loads it once the window has painted, and the real program's help, version
// and misuse, printed without a display.
#include "CommandLine.h"
#include "FormDialogs.h"
#include "GameFileCommands.h"
#include "ProgramStart.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "Blinklbl.h"
#include "FormControls.h"
#include "MessageCloser.h"

#include <memory>

namespace tablerix {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, NoArgumentOneGameOrHelp) {
    EXPECT_EQ(CommandLine::Parse({}).What, Action::Play);
    for (const QString game : {"partida.Chess", "/home/ana/Partidas/Final de torres.Chess", "../x.CHESS", "y.chess"}) {
        const CommandLine line = CommandLine::Parse({game});
        EXPECT_EQ(line.What, Action::OpenGame) << game.toStdString();
        EXPECT_EQ(line.GamePath, game);
    }
    // A game that does not exist is still a game: the load reports it.
    EXPECT_EQ(CommandLine::Parse({"no-existe.Chess"}).What, Action::OpenGame);
    EXPECT_EQ(CommandLine::Parse({"--help"}).What, Action::Help);
    EXPECT_EQ(CommandLine::Parse({"-h"}).What, Action::Help);
    EXPECT_EQ(CommandLine::Parse({"--version"}).What, Action::Version);
    EXPECT_EQ(CommandLine::Parse({"-v"}).What, Action::Version);
    EXPECT_EQ(CommandLine::Version(), QStringLiteral("Tablerix 1.0"));
}

TEST(CommandLineTest, APgnGameIsAGameToo) {
    for (const QString game : {"partida.pgn", "/home/ana/Partidas/Final de torres.pgn", "../x.PGN", "no-existe.Pgn"}) {
        const CommandLine line = CommandLine::Parse({game});
        EXPECT_EQ(line.What, Action::OpenGame) << game.toStdString();
        EXPECT_EQ(line.GamePath, game);
    }
}

TEST(CommandLineTest, QtsOwnOptionsAreNotTheProgramsArguments) {
    const QStringList without =
        CommandLine::WithoutQtOptions({"-platform", "offscreen", "--style", "Fusion", "-reverse", "-stylesheet=a.qss",
                                       "partida.pgn", "-display", ":1", "--qwindowtitle", "Otra", "-widgetcount"});
    EXPECT_EQ(without, QStringList{"partida.pgn"});
    EXPECT_EQ(CommandLine::WithoutQtOptions({"-platform", "offscreen", "--version"}), QStringList{"--version"});
    // What is not Qt's stays, to be judged as the program's own.
    EXPECT_EQ(CommandLine::WithoutQtOptions({"-x", "--help", "a.Chess", "-"}),
              (QStringList{"-x", "--help", "a.Chess", "-"}));
    EXPECT_EQ(CommandLine::Parse(CommandLine::WithoutQtOptions({"-platform", "xcb", "-q"})).What, Action::Misuse);
}

TEST(CommandLineTest, AnythingElseIsAMisuse) {
    const QList<QStringList> misuses = {
        {"a.Chess", "b.Chess"},  // one game at a time
        {"--help", "a.Chess"},
        {"notas.txt"},
        {"partida.Chess.bak"},
        {"partida.pgn.bak"},
        {"Chess"},
        {"pgn"},
        {"--version", "a.Chess"},
        {"-v", "-h"},
        {"--verbose"},
        {"-x.Chess"},  // an option, not a file: ./-x.Chess names the file
        {"-x.pgn"},
        {""},
    };
    for (const QStringList& args : misuses) {
        const CommandLine line = CommandLine::Parse(args);
        EXPECT_EQ(line.What, Action::Misuse) << args.join(u' ').toStdString();
        EXPECT_TRUE(line.GamePath.isEmpty());
    }
    EXPECT_EQ(CommandLine::Usage(QStringLiteral("tablerix")),
              QStringLiteral("Uso: tablerix [PARTIDA.Chess | PARTIDA.pgn]"));
    const QString help = CommandLine::Help(QStringLiteral("tablerix"));
    EXPECT_TRUE(help.startsWith(CommandLine::Usage(QStringLiteral("tablerix")) + u'\n'));
    EXPECT_TRUE(help.contains(QStringLiteral("--help")) && help.contains(QStringLiteral("--version")));
    EXPECT_TRUE(help.endsWith(u'\n'));
}

// Answers every file dialog with one path.
class AnsweringDialogs : public FormDialogs {
public:
    explicit AnsweringDialogs(QString answer) : answer_(std::move(answer)) {}
    QString ChooseFile(QFileDialog&) override { return answer_; }

private:
    QString answer_;
};

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// Legal's mate, saved with Black "Jugador", "Difícil" and the other lists on
// their third, third, second and second items.
QByteArray LegalGame() {
    const QStringList moves = {"1. E2-E4", "              E7-E5", "2. G1-F3", "              D7-D6",
                               "3. F1-C4", "              C8-G4", "4. B1-C3", "              G7-G6",
                               "5. F3-E5", "              G4-D1", "6. C4-F7", "              E8-E7",
                               "7. C3-D5"};
    QStringList entries = moves;
    entries[10] += QStringLiteral("   Jaque");
    entries[12] += QStringLiteral("   Jaque Mate");
    const QStringList lines = moves + QStringList{"Tiempos...", "000105000047000152122211", "Jugadas Jaque..."} +
                              entries + QStringList{"Notas...", "Mate de Legal"};
    return lines.join(QStringLiteral("\r\n")).toLatin1();
}

// What a user sees of the window after a load, for comparing two loads.
struct Seen {
    QStringList messages, titles, hidden, visible;
    QString notes, header, indicator, clocks, opened;
    std::string position;
    std::array<int, 6> choices{};
    bool clocksRunning = false, startPanel = false, saveEnabled = false, animateLoad = false;

    static Seen Of(const TForm1& f, const MessageCloser& closer) {
        Seen s;
        s.messages = closer.texts;
        s.titles = closer.titles;
        for (int i = 0; i < Control<QListWidget>(f, "ListBox1")->count(); ++i)
            s.hidden << Control<QListWidget>(f, "ListBox1")->item(i)->text();
        for (int i = 0; i < Control<QListWidget>(f, "ListBoxRepe")->count(); ++i)
            s.visible << Control<QListWidget>(f, "ListBoxRepe")->item(i)->text();
        s.notes = Control<TNotesEdit>(f, "MNotas")->toPlainText();
        s.header = Control<ElidedLabel>(f, "LPartida")->text();
        s.indicator = Control<TBlinkLabel>(f, "BLJaque")->text();
        s.clocks = ClockLabelTexts(f).join(u':');
        s.opened = f.Dialogs().OpenedFile;
        s.position = Board(f)->Position();
        s.choices = ChoiceIndexes(f);
        s.clocksRunning = f.ClocksRunning();
        s.startPanel = Control<QFrame>(f, "PEmpezar")->isVisibleTo(&f);
        s.saveEnabled = Control<QToolButton>(f, "BSalvar")->isEnabled();
        s.animateLoad = f.AnimateLoad();
        return s;
    }
    bool operator==(const Seen&) const = default;
};

class ProgramStartTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return path;
    }

    // Starts a window as main() does with args, and lets it run until
    // `messages` boxes have come and gone. paintsBeforeFirstBox tells
    // whether the window had painted before the first one opened.
    void Start(const QStringList& args, int messages) {
        form = std::make_unique<TForm1>();
        counter = std::make_unique<PaintCounter>(form.get());
        TMoveEvent original = Board(*form)->OnLegalMove;
        Board(*form)->OnLegalMove = [this, original](ChessBrdCore& b, Square from, Square to) {
            animatedMoves += static_cast<TChessBrd&>(b).AnimateMoves();
            original(b, from, to);
        };
        closer = std::make_unique<MessageCloser>([this] {
            if (paintsBeforeFirstBox < 0) paintsBeforeFirstBox = counter->paints;
        });
        ProgramStart::Show(*form, CommandLine::Parse(args));
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return closer->texts.size() >= messages; }, 20000));
        QTest::qWait(50);  // nothing more comes
    }

    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<PaintCounter> counter;
    std::unique_ptr<MessageCloser> closer;
    int paintsBeforeFirstBox = -1;
    int animatedMoves = 0;  // moves the board slid during the replay
};

TEST_F(ProgramStartTest, AGameOnTheCommandLineLoadsAsCargarSinAnimacion) {
    const QString path = Write(QStringLiteral("legal.Chess"), LegalGame());

    Start({path}, 2);
    EXPECT_GT(paintsBeforeFirstBox, 0);  // the messages stand over a painted window
    EXPECT_EQ(animatedMoves, 0);
    const Seen fromCommandLine = Seen::Of(*form, *closer);
    closer.reset();

    // The same file through the button and its dialog, in a fresh window.
    TForm1 other;
    other.SetDialogs(std::make_unique<AnsweringDialogs>(path));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    MessageCloser clicked;
    QTest::mouseClick(Control<QToolButton>(other, "BCargarSin"), Qt::LeftButton);
    const Seen fromButton = Seen::Of(other, clicked);

    EXPECT_EQ(fromCommandLine.messages, (QStringList{"      ***   Jaque Mate   ***", "        Continuar Partida"}));
    EXPECT_EQ(fromCommandLine.hidden.size(), 13);
    EXPECT_EQ(fromCommandLine.header, path);
    EXPECT_EQ(fromCommandLine.indicator, QStringLiteral("Jaque Mate"));
    EXPECT_EQ(fromCommandLine.clocks, QStringLiteral("00:01:05:00:00:47:00:01:52"));
    EXPECT_FALSE(fromCommandLine.startPanel);
    EXPECT_TRUE(fromCommandLine.saveEnabled);
    EXPECT_TRUE(fromCommandLine.animateLoad);  // back on for the next load
    EXPECT_TRUE(fromCommandLine == fromButton);
    EXPECT_EQ(fromCommandLine.position, fromButton.position);
    EXPECT_EQ(fromCommandLine.visible, fromButton.visible);
    EXPECT_EQ(fromCommandLine.choices, fromButton.choices);
    // The dialogs go on in the game's folder, and a save proposes the game.
    EXPECT_EQ(QDir(FileDialog(*form, "Open")->directory()).absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(form->Dialogs().OpenedFile, path);
}

TEST_F(ProgramStartTest, APgnGameOnTheCommandLineLoadsAsTheOpenDialogLoadsIt) {
    const QString path = Write(QStringLiteral("legal.pgn"),
                               "[Event \"Mate de Legal\"]\n[Black \"Jugador\"]\n[Result \"1-0\"]\n\n"
                               "1. e4 e5 2. Nf3 d6 3. Bc4 Bg4 4. Nc3 g6 5. Nxe5 Bxd1 6. Bxf7+ Ke7 7. Nd5# 1-0\n");

    Start({path}, 2);
    EXPECT_GT(paintsBeforeFirstBox, 0);
    EXPECT_EQ(animatedMoves, 0);
    const Seen fromCommandLine = Seen::Of(*form, *closer);
    closer.reset();

    TForm1 other;
    other.SetDialogs(std::make_unique<AnsweringDialogs>(path));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    MessageCloser clicked;
    QTest::mouseClick(Control<QToolButton>(other, "BCargarSin"), Qt::LeftButton);
    const Seen fromButton = Seen::Of(other, clicked);

    EXPECT_EQ(fromCommandLine.messages, (QStringList{"      ***   Jaque Mate   ***", "        Continuar Partida"}));
    EXPECT_EQ(fromCommandLine.hidden.size(), 13);
    EXPECT_EQ(fromCommandLine.header, path);
    EXPECT_EQ(fromCommandLine.indicator, QStringLiteral("Jaque Mate"));
    EXPECT_TRUE(fromCommandLine == fromButton);
    EXPECT_EQ(fromCommandLine.position, fromButton.position);
    EXPECT_EQ(form->Dialogs().OpenedFile, path);
}

TEST_F(ProgramStartTest, ARelativeNameIsTheGameInTheCurrentFolder) {
    Write(QStringLiteral("legal.Chess"), LegalGame());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    Start({QStringLiteral("legal.Chess")}, 2);
    QDir::setCurrent(before);
    EXPECT_EQ(closer->texts.value(1), GameFileCommands::kContinue);
    EXPECT_EQ(QFileInfo(Control<ElidedLabel>(*form, "LPartida")->text()),
              QFileInfo(dir.filePath(QStringLiteral("legal.Chess"))));
    EXPECT_TRUE(QFileInfo(form->Dialogs().OpenedFile).isAbsolute());
}

TEST_F(ProgramStartTest, AMissingGameIsReportedOverAFreshStartScreen) {
    Start({dir.filePath(QStringLiteral("no-existe.Chess"))}, 1);
    EXPECT_GT(paintsBeforeFirstBox, 0);
    EXPECT_EQ(closer->texts, QStringList{GameFileCommands::kNotFound});
    EXPECT_EQ(closer->titles, QStringList{"Tablerix  Error"});
    // Still the start screen: start panel up, game controls hidden, nothing to save.
    EXPECT_TRUE(Control<QFrame>(*form, "PEmpezar")->isVisibleTo(form.get()));
    EXPECT_FALSE(Control<QListWidget>(*form, "ListBoxRepe")->isVisibleTo(form.get()));
    EXPECT_FALSE(Control<QFrame>(*form, "PTablero")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>(*form, "BSalvar")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>(*form, "BCargarSin")->isEnabled());
    EXPECT_EQ(Control<QListWidget>(*form, "ListBox1")->count(), 0);
    EXPECT_TRUE(Control<ElidedLabel>(*form, "LPartida")->text().isEmpty());
    EXPECT_EQ(Board(*form)->Position(), "rnbqkbnrpppppppp" + std::string(32, ' ') + "PPPPPPPPRNBQKBNR");
    // "Empezar" still starts a game.
    QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);
    EXPECT_TRUE(Control<QListWidget>(*form, "ListBoxRepe")->isVisibleTo(form.get()));
}

TEST_F(ProgramStartTest, AFileThatIsNoGameGetsTheLoadsOwnError) {
    const QString path = Write(QStringLiteral("vacia.Chess"), "esto no es una partida\r\n");
    Start({path}, 1);
    const Seen fromCommandLine = Seen::Of(*form, *closer);
    closer.reset();
    TForm1 other;
    other.SetDialogs(std::make_unique<AnsweringDialogs>(path));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    MessageCloser clicked;
    other.BCargarSinClick();
    EXPECT_TRUE(fromCommandLine == Seen::Of(other, clicked));
    EXPECT_EQ(fromCommandLine.messages.value(0), GameFileCommands::kBadFile);
    EXPECT_TRUE(fromCommandLine.hidden.isEmpty());
}

TEST_F(ProgramStartTest, NoArgumentShowsTheStartScreenOnly) {
    MessageCloser closer;
    TForm1 form;
    // Decoding the icon's sizes waits until the window has painted.
    EXPECT_TRUE(form.windowIcon().isNull());
    ProgramStart::Show(form, CommandLine::Parse({}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // The icon is set just after the first paint (which a busy machine may
    // bring late), behind a load that paint would have started.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.windowIcon().isNull(); }, 10000));
    EXPECT_TRUE(closer.texts.isEmpty());
    EXPECT_TRUE(Control<QFrame>(form, "PEmpezar")->isVisible());
    EXPECT_TRUE(Control<ElidedLabel>(form, "LPartida")->text().isEmpty());
    // The window wears the program's icon at the desktop's sizes.
    const QList<QSize> sizes = form.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256))) << sizes.size();
}

// The real program, as a child process, in the environment env.
struct Finished {
    int status = -1;
    QString out, err;
};

Finished RunProgram(const QStringList& args,
                    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TABLERIX_PROGRAM), args);
    Finished r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// As over a plain SSH login: no display of any kind, no platform chosen.
QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QLatin1String(name));
    return env;
}

const QString kUsage = QStringLiteral("Uso: tablerix [PARTIDA.Chess | PARTIDA.pgn]\n");

TEST(ProgramTest, HelpAndVersionNeedNoDisplay) {
    for (const QString option : {"--help", "-h"}) {
        SCOPED_TRACE(option.toStdString());
        const Finished r = RunProgram({option}, WithoutDisplay());
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.toStdString(), CommandLine::Help(QStringLiteral("tablerix")).toStdString());
        EXPECT_TRUE(r.out.startsWith(kUsage));
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
    for (const QString option : {"--version", "-v"}) {
        SCOPED_TRACE(option.toStdString());
        const Finished r = RunProgram({option}, WithoutDisplay());
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out.toStdString(), "Tablerix 1.0\n");
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
}

TEST(ProgramTest, MisuseGivesTheUsageLineAndStatusTwo) {
    for (const QStringList& args :
         QList<QStringList>{{"a.Chess", "b.Chess"}, {"notas.txt"}, {"--bogus"}, {"--version", "a.pgn"}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const Finished r = RunProgram(args, WithoutDisplay());
        EXPECT_EQ(r.status, 2);
        // Judged before Qt starts: no complaint about the missing display.
        EXPECT_EQ(r.err.toStdString(), kUsage.toStdString());
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
}

TEST(ProgramTest, HelpGoesToStandardOutputPastQtsOwnOptions) {
    const Finished r = RunProgram({"-platform", "offscreen", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.toStdString(), CommandLine::Help(QStringLiteral("tablerix")).toStdString());
    EXPECT_FALSE(r.err.contains(QStringLiteral("Uso:"))) << r.err.toStdString();
}

TEST(ProgramTest, APgnGameIsTakenAndTheWindowStays) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mate.pgn"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Black \"Jugador\"]\n\n1. f3 e5 2. g4 Qh4# 0-1\n");
    f.close();
    QProcessEnvironment env = WithoutDisplay();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TABLERIX_PROGRAM), {path});
    ASSERT_TRUE(p.waitForStarted());
    // A refused argument ends the program at once; a game keeps it open
    // (its mate message waits for a click).
    EXPECT_FALSE(p.waitForFinished(3000));
    p.kill();
    p.waitForFinished();
    EXPECT_FALSE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("Uso:")));
}

}  // namespace
}  // namespace tablerix
