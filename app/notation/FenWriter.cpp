#include "FenWriter.h"

#include "RecordMoves.h"

namespace tablerix {

namespace {

std::string Placement(const BoardPosition& p) {
    std::string out;
    for (int rank = 8; rank >= 1; --rank) {
        int blanks = 0;
        for (int file = 1; file <= 8; ++file) {
            const char c = p.At(MoveRules::SquareAt(file, rank));
            if (c == ' ') {
                ++blanks;
                continue;
            }
            if (blanks > 0) out += static_cast<char>('0' + blanks);
            blanks = 0;
            out += c;
        }
        if (blanks > 0) out += static_cast<char>('0' + blanks);
        if (rank > 1) out += '/';
    }
    return out;
}

std::string Castling(const BoardPosition& p) {
    using C = CanStillCastle;
    struct Right {
        C right;
        char letter, king, rook;
        Square kingSq, rookSq;
    };
    static constexpr Right kRights[] = {
        {C::WhiteKingSide, 'K', 'K', 'R', Square::E1, Square::H1},
        {C::WhiteQueenSide, 'Q', 'K', 'R', Square::E1, Square::A1},
        {C::BlackKingSide, 'k', 'k', 'r', Square::E8, Square::H8},
        {C::BlackQueenSide, 'q', 'k', 'r', Square::E8, Square::A8},
    };
    std::string out;
    for (const Right& r : kRights)
        if (p.Castling().Contains(r.right) && p.At(r.kingSq) == r.king && p.At(r.rookSq) == r.rook) out += r.letter;
    return out.empty() ? "-" : out;
}

// The square a pawn has just passed over, when the position says so
// consistently: right rank for the side to move, empty, the pawn in front.
std::string EnPassant(const BoardPosition& p) {
    const Square ep = p.EnPassant();
    if (!IsOnBoard(ep) || p.At(ep) != ' ') return "-";
    const int file = MoveRules::FileOf(ep), rank = MoveRules::RankOf(ep);
    const bool fits = p.WhiteToMove() ? rank == 6 && p.At(MoveRules::SquareAt(file, 5)) == 'p'
                                      : rank == 3 && p.At(MoveRules::SquareAt(file, 4)) == 'P';
    if (!fits) return "-";
    return {static_cast<char>('a' + file - 1), static_cast<char>('0' + rank)};
}

}  // namespace

std::string FenWriter::Position(const BoardPosition& p) {
    return Placement(p) + (p.WhiteToMove() ? " w " : " b ") + Castling(p) + ' ' + EnPassant(p);
}

std::string FenWriter::Write(const ChessBrdCore& core) {
    return Position(core.CurrentPosition()) + ' ' + std::to_string(RecordMoves::HalfMoveClock(core)) + ' ' +
           std::to_string(core.CurrentMove());
}

}  // namespace tablerix
