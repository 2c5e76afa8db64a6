#pragma once
// A game file judged as a whole before a load touches the window, so that a
// file that cannot be used costs nothing: it must exist, be readable, stay
// within GameFile::kMaxFileBytes, be 8-bit text (no NUL byte) and hold a game. A game is at least one
// move the rules accept (tried on a scratch core, see ReplayCheck) with
// entries after "Jugadas Jaque...", or a game saved before its first move:
// no move line, a "Tiempos..." line followed by a complete settings line,
// the "Jugadas Jaque..." marker and no entry. Qt core only; any thread, one object per thread.

#include "GameFile.h"
#include "ReplayCheck.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tablerix {

class GameFileCheck {
public:
    enum class Verdict { Playable, Missing, Unreadable, Unusable };

    // Reads and judges the file; nothing else is touched.
    static GameFileCheck OfPath(const QString& path);
    // Judges bytes already read (a file larger than the limit is Unusable).
    static GameFileCheck OfBytes(const QByteArray& bytes);

    Verdict Result() const { return verdict_; }
    bool Playable() const { return verdict_ == Verdict::Playable; }
    // A playable game saved before its first move: settings and notes only.
    bool BeforeFirstMove() const { return beforeFirstMove_; }
    // The parsed file; only when Playable.
    const GameFile& File() const { return *file_; }
    // The move lines a new game accepts, Index being the line's number.
    const std::vector<ReplayCheck::Accepted>& Moves() const { return moves_; }

private:
    explicit GameFileCheck(Verdict v) : verdict_(v) {}

    Verdict verdict_;
    bool beforeFirstMove_ = false;
    std::optional<GameFile> file_;
    std::vector<ReplayCheck::Accepted> moves_;
};

}  // namespace tablerix
