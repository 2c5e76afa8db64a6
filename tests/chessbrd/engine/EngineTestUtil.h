#pragma once
// Helpers shared by the engine tests.

#include "FenParser.h"
#include "SearchBoard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tablerix::test {

inline const char* const kKiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -";
inline const char* const kEndgame = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -";
inline const char* const kPromotions = "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq -";
inline const char* const kTalkchess = "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ -";

inline PositionSnapshot Fen(const std::string& fen) {
    PositionSnapshot pos;
    std::string error;
    EXPECT_TRUE(FenParser::Parse(fen, pos, error)) << fen << ": " << error;
    return pos;
}

// A snapshot from 64 letters, bypassing the FEN checks (hand-made positions).
inline PositionSnapshot Letters(const std::string& squares, bool whiteToMove = true, std::uint8_t castling = 0,
                                Square ep = Square::None) {
    PositionSnapshot pos;
    for (int s = 0; s < 64; ++s) pos.Squares[s] = s < static_cast<int>(squares.size()) ? squares[s] : ' ';
    pos.WhiteToMove = whiteToMove;
    pos.Castling = CastleSet(castling);
    pos.EnPassant = ep;
    return pos;
}

// The current ply's generated moves as text, in stack order.
inline std::vector<std::string> GeneratedMoves(const SearchBoard& board) {
    std::vector<std::string> moves;
    const auto& range = board.PlyMoves[board.Ply];
    for (int i = range.First; i < range.End; ++i) moves.push_back(MoveText(board.MoveStack[i].Move));
    return moves;
}

}  // namespace tablerix::test
