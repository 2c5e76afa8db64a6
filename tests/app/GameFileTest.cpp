// Game file: composing, encoding, safe writing and reading back.
#include "Cp1252.h"
#include "GameFile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

using tablerix::Cp1252;
using tablerix::GameFile;
using tablerix::GameRecordText;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

GameRecordText SampleGame() {
    GameRecordText g;
    g.MoveLines = {QStringLiteral("1. E2-E4"), QStringLiteral("              E7-E5"),
                   QStringLiteral("2. D1-H5"), QStringLiteral("              B8-C6"),
                   QStringLiteral("3. F1-C4"), QStringLiteral("              G8-F6"),
                   QStringLiteral("4. H5-F7")};
    g.ClockTexts = {"00", "01", "02", "00", "03", "04", "00", "04", "06"};
    g.Choices = {1, 0, 2, 2, 1, 1};
    g.Entries = g.MoveLines;
    g.Entries[6] = QStringLiteral("4. H5-F7").leftJustified(20) + QStringLiteral("   Jaque Mate");
    g.Notes = QStringLiteral("Apertura española, ¡qué rápido!\nŁódź ♞ 𝄞\n\tfin");
    return g;
}

}  // namespace

TEST(GameFileWrite, SettingsLineHasItsTwentyFourColumns) {
    const std::array<QString, 9> clocks{"00", "00", "12", "00", "00", "15", "00", "00", "27"};
    EXPECT_EQ(GameFile::SettingsLine(clocks, {1, 0, 0, 0, 0, 0}), QStringLiteral("000012000015000027100000"));
    // Hours past 99 would push every later column; they are capped instead.
    const std::array<QString, 9> big{"123", "05", "06", "7", "", "59", "100", "00", "00"};
    const QString line = GameFile::SettingsLine(big, {0, 2, 3, 2, 2, 1});
    EXPECT_EQ(line.size(), 24);
    EXPECT_EQ(line, QStringLiteral("990506070059990000023221"));
}

TEST(GameFileWrite, ComposeUsesCrLfAndMarkersInOrder) {
    GameRecordText g;
    g.MoveLines = {QStringLiteral("1. E2-E4")};
    g.ClockTexts = {"00", "00", "01", "00", "00", "00", "00", "00", "01"};
    g.Choices = {0, 0, 0, 0, 0, 0};
    g.Entries = {QStringLiteral("1. E2-E4")};
    g.Notes = QStringLiteral("a\nb\r\nc\rd");
    EXPECT_EQ(GameFile::Compose(g),
              QStringLiteral("1. E2-E4\r\nTiempos...\r\n000001000000000001000000\r\nJugadas Jaque...\r\n"
                             "1. E2-E4\r\nNotas...\r\na\r\nb\r\nc\r\nd"));
}

TEST(GameFileWrite, EncodingKeepsEveryCharacter) {
    // Windows-1252 when it can hold the text...
    const QString latin = QStringLiteral("Fácil € ñ ü Œ");
    const QByteArray cp = GameFile::Encode(latin);
    EXPECT_EQ(cp, QByteArray("F\xE1"
                             "cil \x80 \xF1 \xFC \x8C"));
    EXPECT_EQ(GameFile::Decode(cp), latin);
    // ...UTF-8 without a byte-order mark when it cannot.
    const QString wide = QStringLiteral("Łódź ♞ 𝄞 á");
    const QByteArray u8 = GameFile::Encode(wide);
    EXPECT_EQ(u8, wide.toUtf8());
    EXPECT_FALSE(u8.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(GameFile::Decode(u8), wide);
    // Windows-1252 bytes that would read back as UTF-8 are written as UTF-8.
    const QString lookalike = QStringLiteral("Ã© x");
    EXPECT_EQ(GameFile::Decode(GameFile::Encode(lookalike)), lookalike);
    // Every byte survives a Windows-1252 round trip, the undefined ones included.
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    EXPECT_EQ(Cp1252::Encode(Cp1252::Decode(all)), all);
}

TEST(GameFileRead, DecodingChoosesUtf8OnlyWhenValidAndNonAscii) {
    EXPECT_FALSE(GameFile::IsUtf8WithNonAscii("plain ascii"));
    EXPECT_TRUE(
        GameFile::IsUtf8WithNonAscii("F\xC3\xA1"
                                     "cil"));
    EXPECT_FALSE(
        GameFile::IsUtf8WithNonAscii("F\xE1"
                                     "cil"));                        // Windows-1252 accent
    EXPECT_FALSE(GameFile::IsUtf8WithNonAscii("\xC0\xAF"));          // overlong
    EXPECT_FALSE(GameFile::IsUtf8WithNonAscii("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(GameFile::IsUtf8WithNonAscii("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(GameFile::IsUtf8WithNonAscii("ab\xE2\x82"));        // cut short
    EXPECT_EQ(GameFile::Decode("\xEF\xBB\xBF"
                               "D\xC3\xAD"
                               "f"),
              QStringLiteral("Díf"));
    EXPECT_EQ(GameFile::Decode("D\xEDgito \x93x\x94"), QStringLiteral("Dígito “x”"));
}

TEST(GameFileRead, RoundTripThroughAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("partida.Chess");
    const GameRecordText g = SampleGame();
    ASSERT_TRUE(GameFile::Save(path, g));
    QByteArray bytes;
    ASSERT_EQ(GameFile::Read(path, bytes), GameFile::ReadStatus::Ok);
    EXPECT_EQ(bytes, GameFile::Compose(g).toUtf8());

    const GameFile f(bytes);
    ASSERT_EQ(f.ReplayCount(), 7);
    EXPECT_EQ(f.ReplayAt(0).FromText, "E2");
    EXPECT_EQ(f.ReplayAt(1).ToText, "E5");
    EXPECT_EQ(f.ReplayAt(6).ToText, "F7");
    ASSERT_TRUE(f.HasSettings());
    for (int k = 0; k < 9; ++k) EXPECT_EQ(f.ClockField(k), g.ClockTexts[k]) << k;
    for (int k = 0; k < 6; ++k) EXPECT_EQ(f.Choice(k), g.Choices[k]) << k;
    EXPECT_EQ(f.Entries(), g.Entries);
    EXPECT_EQ(f.NotesLines().join('\n'), g.Notes);
}

TEST(GameFileRead, MoveColumnsFollowTheMoveNumberWidth) {
    EXPECT_EQ(GameFile::MoveOfLine(u"9. e2-e4", 16).FromText, "e2");
    EXPECT_EQ(GameFile::MoveOfLine(u"              g8-f6", 17).ToText, "f6");
    EXPECT_EQ(GameFile::MoveOfLine(u"10. E2-E4", 18).FromText, "E2");
    EXPECT_EQ(GameFile::MoveOfLine(u"10. E2-E4", 18).ToText, "E4");
    EXPECT_EQ(GameFile::MoveOfLine(u"99. A2-A3", 196).ToText, "A3");
    EXPECT_EQ(GameFile::MoveOfLine(u"100. H2-H3", 198).FromText, "H2");
    EXPECT_EQ(GameFile::MoveOfLine(u"100. H2-H3", 198).ToText, "H3");
    EXPECT_EQ(GameFile::MoveOfLine(u"              A7-A6", 199).FromText, "A7");
    // Short or empty lines give short texts, never a read past the end.
    EXPECT_EQ(GameFile::MoveOfLine(u"1. E", 0).FromText, "E");
    EXPECT_EQ(GameFile::MoveOfLine(u"", 0).ToText, "");
    EXPECT_EQ(GameFile::MoveOfLine(u" ", 3).FromText, "");
}

TEST(GameFileRead, LineEndsAndMarkerPrefixes) {
    const QByteArray lf =
        "1. E2-E4\nTiempos... x\n000000000000000000011101\nJugadas Jaque...!!\n"
        "1. E2-E4\nNotas... y\nn1\n\nn3";
    QByteArray cr = lf;
    cr.replace('\n', '\r');
    for (const QByteArray& bytes : {lf, cr}) {
        const GameFile f(bytes);
        EXPECT_EQ(f.ReplayCount(), 1);
        EXPECT_EQ(f.Choice(0), 0);
        EXPECT_EQ(f.Choice(3), 1);
        EXPECT_EQ(f.Entries(), QStringList{"1. E2-E4"});
        EXPECT_EQ(f.NotesLines(), (QStringList{"n1", "", "n3"}));
    }
    // A final line end adds no empty line; "Tiempos" without dots is no marker.
    const GameFile g("1. E2-E4\r\nTiempos\r\n");
    EXPECT_EQ(g.LineCount(), 2);
    EXPECT_EQ(g.ReplayCount(), 2);
    EXPECT_FALSE(g.HasSettings());
    EXPECT_TRUE(g.Entries().isEmpty());
}

TEST(GameFileRead, SettingsFieldsAreJudgedOneByOne) {
    const GameFile bad("Tiempos...\r\n0a0203x40506070809193929\r\n");
    EXPECT_FALSE(bad.ClockField(0));  // "0a"
    EXPECT_EQ(bad.ClockField(1), "02");
    EXPECT_EQ(bad.ClockField(2), "03");
    EXPECT_FALSE(bad.ClockField(3));  // "x4"
    EXPECT_EQ(bad.Choice(0), 1);
    EXPECT_FALSE(bad.Choice(1));  // 9 is past "Difícil"
    EXPECT_EQ(bad.Choice(2), 3);
    EXPECT_FALSE(bad.Choice(3));  // 9
    EXPECT_EQ(bad.Choice(4), 2);
    EXPECT_FALSE(bad.Choice(5));  // 9
    const GameFile shortLine("Tiempos...\r\n0001020");
    EXPECT_EQ(shortLine.ClockField(2), "02");
    EXPECT_FALSE(shortLine.ClockField(3));  // only one character of it
    EXPECT_FALSE(shortLine.Choice(0));
    const GameFile last("Tiempos...");
    EXPECT_FALSE(last.HasSettings());
}

TEST(GameFileRead, EntriesAndNotesAreCut) {
    QByteArray bytes = "Jugadas Jaque...\r\n";
    bytes += QByteArray(80, 'x') + "\r\n";
    const int many = 600;  // more than a game's half-moves: all are kept
    for (int i = 0; i < many; ++i) bytes += "e\r\n";
    bytes += "Notas...\r\n" + QByteArray(900, 'n') + "\r\nNotas...\r\n";
    const GameFile f(bytes);
    const QStringList entries = f.Entries();
    EXPECT_EQ(entries.size(), many + 1);
    EXPECT_EQ(f.EntryCount(), many + 1);
    EXPECT_EQ(entries[0].size(), 50);
    const QStringList notes = f.NotesLines();
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(notes[0].size(), 500);
    EXPECT_EQ(notes[1], "Notas...");
    EXPECT_EQ(f.ReplayCount(), 0);
}

TEST(GameFileSave, AFailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("vieja.Chess");
    GameRecordText small;
    small.Notes = QStringLiteral("antigua");
    ASSERT_TRUE(GameFile::Save(path, small));
    const QByteArray before = ReadAll(path);

    EXPECT_FALSE(GameFile::Save(dir.filePath("no/such/dir/x.Chess"), small));
    EXPECT_FALSE(GameFile::Save(QString(), small));
    EXPECT_FALSE(GameFile::Save(dir.path(), small));  // a directory
    GameRecordText unreadable = small;                // more than a load accepts
    unreadable.Notes = QString(GameFile::kMaxFileBytes, u'n');
    EXPECT_FALSE(GameFile::Save(path, unreadable));

    EXPECT_EQ(ReadAll(path), before);
}

namespace {

// Saves over an existing file in a child process whose file-size limit is
// `limit` bytes, so the write runs out of room as on a full disk. The child
// exits 0 when Save reported success, 1 when it refused.
int SaveUnderFileSizeLimit(const QString& path, const GameRecordText& game, rlim_t limit) {
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
        rlimit r{};
        if (getrlimit(RLIMIT_FSIZE, &r) != 0) _exit(3);
        r.rlim_cur = limit;
        if (setrlimit(RLIMIT_FSIZE, &r) != 0) _exit(3);
        _exit(GameFile::Save(path, game) ? 0 : 1);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace

TEST(GameFileSave, RunningOutOfRoomKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("vieja.Chess");
    GameRecordText old = SampleGame();
    ASSERT_TRUE(GameFile::Save(path, old));
    const QByteArray before = ReadAll(path);
    ASSERT_LT(before.size(), 4096);

    // Smaller than Qt's write buffer, so write() itself cannot notice; and
    // larger, so it can.
    for (const int notes : {12000, 200000}) {
        SCOPED_TRACE(notes);
        GameRecordText big = old;
        big.Notes = QString(notes, u'z');
        EXPECT_EQ(SaveUnderFileSizeLimit(path, big, 4096), 1);
        EXPECT_EQ(ReadAll(path), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"vieja.Chess"});
    }
    // The same save with room to spare succeeds.
    GameRecordText fits = old;
    fits.Notes = QString(12000, u'z');
    EXPECT_EQ(SaveUnderFileSizeLimit(path, fits, RLIM_INFINITY), 0);
    EXPECT_EQ(ReadAll(path), GameFile::Encode(GameFile::Compose(fits)));
}

namespace {

// Child side of the full file system test: mounts a 64 KiB tmpfs in a mount
// namespace of its own (gone with the child), stores a game there, fills the
// rest, and saves over the game. Exit codes: 0 as wanted, 10 no mount
// allowed, other values name the step that went wrong.
int FullFileSystemChild(const QString& mountPoint) {
    const QByteArray where = QFile::encodeName(mountPoint);
    if (unshare(CLONE_NEWNS) != 0) return 10;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return 10;
    if (mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0) return 10;
    const QString path = QDir(mountPoint).filePath("partida.Chess");
    const GameRecordText old = SampleGame();
    if (!GameFile::Save(path, old)) return 20;
    const QByteArray before = ReadAll(path);

    // Fill up what is left, then give back a little: a full and a nearly full disk.
    QFile filler(QDir(mountPoint).filePath("relleno"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return 21;
    const QByteArray block(4096, 'r');
    while (filler.write(block) == block.size()) {}
    GameRecordText big = old;
    big.Notes = QString(12000, u'z');  // below Qt's write buffer
    for (const qint64 room : {0, 8192}) {
        if (room > 0 && !filler.resize(filler.size() - room)) return 22;
        if (GameFile::Save(path, big)) return 30 + static_cast<int>(room / 4096);
        if (ReadAll(path) != before) return 40 + static_cast<int>(room / 4096);
        if (QDir(mountPoint).entryList(QDir::Files).size() != 2) return 50 + static_cast<int>(room / 4096);
    }
    return 0;
}

}  // namespace

TEST(GameFileSave, FullFileSystemKeepsTheOldFile) {
    if (geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const pid_t pid = fork();
    if (pid == 0) _exit(FullFileSystemChild(dir.path()));
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 10) GTEST_SKIP() << "no private mount namespace here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "30/31: the save claimed success; 40/41: the old file changed; "
                                         "50/51: a stray file was left";
}

TEST(GameFileRead, ReadReportsMissingUnreadableAndOversized) {
    QTemporaryDir dir;
    QByteArray bytes = "stale";
    EXPECT_EQ(GameFile::Read(dir.filePath("nada.Chess"), bytes), GameFile::ReadStatus::Missing);
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_EQ(GameFile::Read(dir.path(), bytes), GameFile::ReadStatus::Unreadable);
    QFile huge(dir.filePath("huge.Chess"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(GameFile::kMaxFileBytes + 1));
    huge.close();
    EXPECT_EQ(GameFile::Read(huge.fileName(), bytes), GameFile::ReadStatus::TooLarge);
}
