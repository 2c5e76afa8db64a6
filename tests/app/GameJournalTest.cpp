// The journal's files in the state folder: where the folder is, one run at a
// time, the order and coalescing of the background writes, and a write that
// fails leaving the old record whole.

#include "FileSizeLimit.h"
#include "GameJournal.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>

namespace tablerix {
namespace {

GameRecordText Game(int moves, const QString& notes = {}) {
    GameRecordText g;
    for (int i = 0; i < moves; ++i) g.MoveLines << QStringLiteral("%1. E2-E4").arg(i + 1);
    g.ClockTexts.fill(QStringLiteral("00"));
    g.Notes = notes;
    return g;
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(GameJournal, TheFolderFollowsXdgStateHomeWhenItIsAbsolute) {
    const QByteArray old = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/srv/estado");
    EXPECT_EQ(GameJournal::DefaultFolder(), QStringLiteral("/srv/estado/tablerix"));
    qputenv("XDG_STATE_HOME", "relativo");  // invalid: ignored
    EXPECT_EQ(GameJournal::DefaultFolder(), QDir::homePath() + QStringLiteral("/.local/state/tablerix"));
    qunsetenv("XDG_STATE_HOME");
    EXPECT_EQ(GameJournal::DefaultFolder(), QDir::homePath() + QStringLiteral("/.local/state/tablerix"));
    if (!old.isNull()) qputenv("XDG_STATE_HOME", old);
}

TEST(GameJournal, OneRunAtATimeAndARecordLeftBehindIsFound) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("a/b/tablerix"));
    {
        GameJournal first(folder);
        ASSERT_TRUE(first.Open());
        EXPECT_EQ(QFile::permissions(folder) & (QFileDevice::ReadOther | QFileDevice::WriteGroup), 0);
        GameJournal second(folder);
        EXPECT_FALSE(second.Open());  // the first holds the folder
        second.Record(Game(1));       // ignored
        first.Record(Game(2));
        first.Wait();
        EXPECT_TRUE(Read(first.RecordPath()).contains("2. E2-E4"));
    }
    // The first ended without Finish, as a killed run does: its record stays.
    GameJournal next(folder);
    ASSERT_TRUE(next.Open());
    ASSERT_TRUE(next.HasInterrupted());
    EXPECT_TRUE(Read(next.RecordPath()).contains("2. E2-E4"));
    EXPECT_FALSE(next.HasDiscarded());
    ASSERT_TRUE(next.KeepInterruptedAsDiscarded());
    EXPECT_FALSE(next.HasInterrupted());
    EXPECT_TRUE(Read(next.DiscardedPath()).contains("2. E2-E4"));
    next.Finish();
    EXPECT_FALSE(QFile::exists(next.RecordPath()));
    EXPECT_TRUE(next.HasDiscarded());
}

TEST(GameJournal, WritesRunInOrderAndOnlyTheLastWaitingWriteOfAFileCounts) {
    QTemporaryDir dir;
    std::atomic<int> reports{0};
    GameJournal journal(dir.path());
    ASSERT_TRUE(journal.Open([&](bool ok) {
        EXPECT_TRUE(ok);
        ++reports;
    }));
    for (int i = 1; i <= 200; ++i) journal.Record(Game(i));
    journal.Discard(Game(3, QStringLiteral("abandonada")));
    journal.ClearRecord();
    journal.Record(Game(7));
    journal.Wait();
    EXPECT_TRUE(Read(journal.RecordPath()).contains("7. E2-E4"));
    EXPECT_FALSE(Read(journal.RecordPath()).contains("8. E2-E4"));
    EXPECT_TRUE(Read(journal.DiscardedPath()).contains("abandonada"));
    EXPECT_LT(reports.load(), 200);  // a burst costs far fewer writes than moves
    journal.Finish();
    EXPECT_FALSE(QFile::exists(journal.RecordPath()));
}

TEST(GameJournal, AFailedWriteKeepsTheOldRecordAndIsReported) {
    QTemporaryDir dir;
    std::atomic<int> failures{0};
    GameJournal journal(dir.path());
    ASSERT_TRUE(journal.Open([&](bool ok) { failures += ok ? 0 : 1; }));
    journal.Record(Game(2));
    journal.Wait();
    const QByteArray old = Read(journal.RecordPath());
    ASSERT_FALSE(old.isEmpty());
    {
        FileSizeLimit limit(static_cast<rlim_t>(old.size()));
        ASSERT_TRUE(limit.Ok());
        journal.Record(Game(40, QStringLiteral("mucho más largo")));
        journal.Wait();
    }
    EXPECT_EQ(failures.load(), 1);
    EXPECT_EQ(Read(journal.RecordPath()), old);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.Chess*")}, QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace tablerix
