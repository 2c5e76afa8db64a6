#include "GameRecord.h"

#include "BoardPosition.h"
#include "MoveRules.h"

namespace tablerix {

namespace {

// FNV-1a: lets the repetition test skip most string comparisons, since the
// board asks it on every legality question.
std::uint64_t HashOf(const std::string& text) noexcept {
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

// The en passant square when a pawn of the side to move can really take
// there, else None: a square nobody can take on does not tell positions apart.
Square CapturableEnPassant(const std::string& position, bool white, Square enPassant) noexcept {
    if (!IsOnBoard(enPassant) || position.size() != 64) return Square::None;
    BoardPosition p;
    p.SetPlacement(position.data(), position.size());
    p.SetEnPassant(enPassant);
    const MoveRules rules = p.Rules();
    const int file = MoveRules::FileOf(enPassant);
    const int rank = white ? 5 : 4;
    for (int f : {file - 1, file + 1}) {
        const Square from = MoveRules::SquareAt(f, rank);
        if (from != Square::None && rules.LegalByRules(from, enPassant, white)) return enPassant;
    }
    return Square::None;
}

void AppendSquare(std::string& out, Square sq) {
    out += static_cast<char>('A' + MoveRules::FileOf(sq) - 1);
    out += static_cast<char>('0' + MoveRules::RankOf(sq));
}

}  // namespace

GameRecord::GameRecord() {
    const std::uint64_t empty = HashOf({});
    hashes_.fill(empty);
}

const MoveInfo& GameRecord::Entry(int move, bool white) const noexcept {
    static const MoveInfo kEmpty{};
    return InRange(move) ? entries_[static_cast<std::size_t>(Slot(move, white))] : kEmpty;
}

void GameRecord::WritePosition(int move, bool white, const std::string& position, CastleSet castling,
                               Square enPassant) {
    if (!InRange(move)) return;
    const auto slot = static_cast<std::size_t>(Slot(move, white));
    MoveInfo& e = entries_[slot];
    e.PositionString = position;
    e.Castling = castling;
    e.EnPassantSq = enPassant;
    hashes_[slot] = HashOf(position) ^ castling.Bits() ^ (white ? 0x9E3779B97F4A7C15ULL : 0);
    capturableEnPassant_[slot] = CapturableEnPassant(position, white, enPassant);
    ++version_;
}

void GameRecord::Write(int move, bool white, const std::string& position, CastleSet castling, Square enPassant,
                       Square fromSq, Square toSq) {
    if (!InRange(move)) return;
    WritePosition(move, white, position, castling, enPassant);
    MoveInfo& e = entries_[static_cast<std::size_t>(Slot(move, white))];
    e.FromSq = fromSq;
    e.ToSq = toSq;
}

bool GameRecord::Reaches(int move, bool white) const noexcept {
    return InRange(move) && Slot(move, white) <= Slot(lastMove_, lastMoveWhite_);
}

bool GameRecord::IsThreefold(int move, bool white) const noexcept {
    if (!Reaches(move, white)) return false;
    const int current = Slot(move, white);
    if (current == cachedSlot_ && version_ == cachedVersion_) return cachedResult_;
    const auto c = static_cast<std::size_t>(current);
    int count = 0;
    // The same player to move (every other entry), the same squares, the
    // same castling rights and the same en passant capture, if any.
    for (int s = current - 2; s >= 0 && count < 2; s -= 2) {
        const auto i = static_cast<std::size_t>(s);
        if (hashes_[i] == hashes_[c] && entries_[i].PositionString == entries_[c].PositionString &&
            entries_[i].Castling == entries_[c].Castling && capturableEnPassant_[i] == capturableEnPassant_[c])
            ++count;
    }
    cachedSlot_ = current;
    cachedVersion_ = version_;
    cachedResult_ = count >= 2;
    return cachedResult_;
}

std::string GameRecord::MoveLine(int move, bool white, Square fromSq, Square toSq) {
    std::string line = white ? std::to_string(move) + ". " : std::string(14, ' ');
    if (IsOnBoard(fromSq) && IsOnBoard(toSq)) {
        AppendSquare(line, fromSq);
        line += '-';
        AppendSquare(line, toSq);
    } else {
        line += "...";
    }
    return line;
}

void GameRecord::AppendMoveList(std::vector<std::string>& list) const {
    if (!InRange(lastMove_)) return;
    const int end = Slot(lastMove_, lastMoveWhite_);
    for (int s = 0; s < end; ++s) {
        const MoveInfo& e = entries_[static_cast<std::size_t>(s)];
        list.push_back(MoveLine(s / 2 + 1, s % 2 == 0, e.FromSq, e.ToSq));
    }
}

}  // namespace tablerix
