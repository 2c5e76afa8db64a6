#pragma once
// The engine's move record and its numbering conventions. Plain C++, no Qt.
//
// Squares are numbered 0..63 in board order: 0 is a8, 7 is h8, 56 is a1,
// 63 is h1; a board Square is the engine number plus one.

#include <cstdint>
#include <string>

namespace tablerix {

// Colours and piece types as stored on the SearchBoard.
inline constexpr int kWhite = 0;
inline constexpr int kBlack = 1;
inline constexpr int kNoColour = 6;

inline constexpr int kPawn = 0;
inline constexpr int kKnight = 1;
inline constexpr int kBishop = 2;
inline constexpr int kRook = 3;
inline constexpr int kQueen = 4;
inline constexpr int kKing = 5;
inline constexpr int kNoPiece = 6;

// Bits of EngineMove::Flags.
namespace MoveFlags {
inline constexpr std::uint8_t Capture = 1;
inline constexpr std::uint8_t Castle = 2;
inline constexpr std::uint8_t EnPassantCapture = 4;
inline constexpr std::uint8_t DoublePush = 8;
inline constexpr std::uint8_t PawnMove = 16;
inline constexpr std::uint8_t Promotion = 32;
}  // namespace MoveFlags

// Four bytes, copied as one word: from and to squares (0..63), the promote
// piece type (1..4, or 0) and the MoveFlags bits.
struct EngineMove {
    std::uint8_t From = 0;
    std::uint8_t To = 0;
    std::uint8_t Promote = 0;
    std::uint8_t Flags = 0;

    friend constexpr bool operator==(EngineMove, EngineMove) noexcept = default;
};
static_assert(sizeof(EngineMove) == 4);

// "e2", "h8" for an engine square number 0..63.
inline std::string SquareName(int square) {
    return {static_cast<char>('a' + square % 8), static_cast<char>('8' - square / 8)};
}

// Long algebraic text: "e2e4", "e7e8q".
inline std::string MoveText(EngineMove m) {
    std::string text = SquareName(m.From) + SquareName(m.To);
    if (m.Flags & MoveFlags::Promotion) text += (m.Promote >= 1 && m.Promote <= 4) ? "nbrq"[m.Promote - 1] : '?';
    return text;
}

}  // namespace tablerix
