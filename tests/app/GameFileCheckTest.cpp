// Judging a game file whole before a load: the dry run of its moves on a
// scratch rules core, and which files hold a game at all.
#include "GameFile.h"
#include "GameFileCheck.h"
#include "ReplayCheck.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace tablerix {
namespace {

using S = Square;
using V = GameFileCheck::Verdict;

std::vector<std::size_t> Indexes(const std::vector<ReplayCheck::Accepted>& moves) {
    std::vector<std::size_t> out;
    for (const auto& m : moves) out.push_back(m.Index);
    return out;
}

TEST(ReplayCheck, RefusedMovesAreSkippedAndTheRestGoOn) {
    const std::vector<ReplayCheck::Move> moves{{S::E2, S::E4}, {S::None, S::E5}, {S::E7, S::E5},
                                               {S::E2, S::E4}, {S::E7, S::E6},   {S::G1, S::F3}};
    const auto accepted = ReplayCheck::Run(moves);
    EXPECT_EQ(Indexes(accepted), (std::vector<std::size_t>{0, 2, 5}));  // E7-E6: White is to move
    EXPECT_EQ(accepted.back().Played.From, S::G1);
    EXPECT_EQ(accepted.back().Played.To, S::F3);
    EXPECT_TRUE(ReplayCheck::Run({}).empty());
}

TEST(ReplayCheck, NothingIsAcceptedAfterMate) {
    const std::vector<ReplayCheck::Move> moves{{S::F2, S::F3}, {S::E7, S::E5}, {S::G2, S::G4},
                                               {S::D8, S::H4}, {S::E2, S::E4}, {S::A2, S::A3}};
    EXPECT_EQ(ReplayCheck::Run(moves).size(), 4u);
}

QByteArray Saved(const QStringList& moves, const QStringList& entries, const QString& notes = {}) {
    GameRecordText g;
    g.MoveLines = moves;
    g.Entries = entries;
    g.ClockTexts = {"00", "00", "09", "00", "00", "12", "00", "00", "21"};
    g.Choices = {1, 2, 3, 2, 1, 1};
    g.Notes = notes;
    return GameFile::Encode(GameFile::Compose(g));
}

// The same text as UTF-16 with a byte-order mark, as some editors save it.
QByteArray Utf16(const QByteArray& latin1) {
    const QString text = QString::fromLatin1(latin1);
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(text.utf16()), static_cast<qsizetype>(text.size() * 2));
}

TEST(GameFileCheck, AGameNeedsAnAcceptedMoveAndEntries) {
    const QString black = QString(14, u' ');
    const GameFileCheck game =
        GameFileCheck::OfBytes(Saved({"1. E2-E4", "2. Z9-Z9", black + "E7-E5"}, {"1. E2-E4", black + "E7-E5"}, "n"));
    ASSERT_TRUE(game.Playable());
    EXPECT_FALSE(game.BeforeFirstMove());
    EXPECT_EQ(Indexes(game.Moves()), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(game.File().EntryCount(), 2);

    const struct {
        const char* name;
        QByteArray bytes;
    } unusable[] = {
        {"no move accepted", Saved({"1. E2-E5", black + "E7-E4"}, {"1. E2-E5"})},
        {"no entry", Saved({"1. E2-E4"}, {})},
        {"no entries marker", "1. E2-E4\r\nTiempos...\r\n000000000000000000100000\r\nNotas...\r\n"},
        {"no move, no settings", "Jugadas Jaque...\r\nNotas...\r\nnotas"},
        {"no settings line", "Tiempos...\r\nJugadas Jaque..."},
        {"settings line cut short", "Tiempos...\r\n00000000000000000010000\r\nJugadas Jaque...\r\nNotas..."},
        {"no move but entries", Saved({}, {"1. E2-E4"})},
        {"junk move lines, no entries", Saved({"hola", "1. Q9-E4"}, {})},
        {"empty", QByteArray()},
        {"too large", Saved({"1. E2-E4"}, {"1. E2-E4"}, QString(GameFile::kMaxFileBytes, u'n'))},
        {"one NUL byte", QByteArray(1, '\0')},
        {"64 KiB of NUL bytes", QByteArray(64 * 1024, '\0')},
        {"a game with a NUL byte in its notes", Saved({"1. E2-E4"}, {"1. E2-E4"}, QString(u'\0'))},
        {"a game in UTF-16", Utf16(Saved({"1. E2-E4"}, {"1. E2-E4"}))},
    };
    for (const auto& [name, bytes] : unusable) {
        const GameFileCheck check = GameFileCheck::OfBytes(bytes);
        EXPECT_EQ(check.Result(), V::Unusable) << name;
        EXPECT_TRUE(check.Moves().empty()) << name;
    }
}

TEST(GameFileCheck, AGameSavedBeforeItsFirstMoveIsPlayable) {
    const GameFileCheck empty = GameFileCheck::OfBytes(Saved({}, {}, "sin jugadas"));
    ASSERT_TRUE(empty.Playable());
    EXPECT_TRUE(empty.BeforeFirstMove());
    EXPECT_TRUE(empty.Moves().empty());
    EXPECT_EQ(empty.File().Choice(2), 3);
    EXPECT_EQ(empty.File().NotesLines(), QStringList{"sin jugadas"});
}

TEST(GameFileCheck, FilesThatCannotBeRead) {
    QTemporaryDir dir;
    EXPECT_EQ(GameFileCheck::OfPath(dir.filePath("nada.Chess")).Result(), V::Missing);
    EXPECT_EQ(GameFileCheck::OfPath(QString()).Result(), V::Missing);
    EXPECT_EQ(GameFileCheck::OfPath(dir.path()).Result(), V::Unreadable);  // a folder, even for root
    QFile huge(dir.filePath("grande.Chess"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(GameFile::kMaxFileBytes + 1));
    huge.close();
    EXPECT_EQ(GameFileCheck::OfPath(huge.fileName()).Result(), V::Unusable);
    QFile good(dir.filePath("buena.Chess"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(Saved({"1. D2-D4"}, {"1. D2-D4"}));
    good.close();
    EXPECT_EQ(GameFileCheck::OfPath(good.fileName()).Result(), V::Playable);
}

}  // namespace
}  // namespace tablerix
