#pragma once
// Shared vocabulary of the board component: squares, castling and coordinate
// sets, the game-record entry, event handler types. Plain C++, no Qt.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace tablerix {

// One byte. A8 = 1 … H8 = 8, A7 = 9 … H1 = 64: rows from Black's back rank
// down to White's, files a to h within a row. The engine numbers the same
// squares 0..63 (its number plus one is the Square).
enum class Square : std::uint8_t {
    None = 0,
    A8, B8, C8, D8, E8, F8, G8, H8,
    A7, B7, C7, D7, E7, F7, G7, H7,
    A6, B6, C6, D6, E6, F6, G6, H6,
    A5, B5, C5, D5, E5, F5, G5, H5,
    A4, B4, C4, D4, E4, F4, G4, H4,
    A3, B3, C3, D3, E3, F3, G3, H3,
    A2, B2, C2, D2, E2, F2, G2, H2,
    A1, B1, C1, D1, E1, F1, G1, H1,
};

constexpr int ToInt(Square s) noexcept { return static_cast<int>(s); }
// Any integer is accepted; values outside 0..64 are still representable in the
// byte and every operation must treat them as off the board.
constexpr Square ToSquare(int n) noexcept { return static_cast<Square>(static_cast<std::uint8_t>(n)); }
constexpr bool IsOnBoard(Square s) noexcept { return ToInt(s) >= 1 && ToInt(s) <= 64; }

enum class CanStillCastle : std::uint8_t {
    WhiteKingSide = 1,
    WhiteQueenSide = 2,
    BlackKingSide = 4,
    BlackQueenSide = 8,
};

// Set of CanStillCastle stored in one byte; the bit values are those of the
// members, so Bits() is also the engine's castle-bit word.
class CastleSet {
public:
    constexpr CastleSet() noexcept = default;
    constexpr explicit CastleSet(std::uint8_t bits) noexcept : bits_(bits & 15) {}
    constexpr CastleSet(std::initializer_list<CanStillCastle> rights) noexcept {
        for (auto r : rights) Add(r);
    }
    static constexpr CastleSet All() noexcept { return CastleSet(15); }

    constexpr bool Contains(CanStillCastle r) const noexcept { return bits_ & static_cast<std::uint8_t>(r); }
    constexpr void Add(CanStillCastle r) noexcept { bits_ |= static_cast<std::uint8_t>(r); }
    constexpr void Remove(CanStillCastle r) noexcept { bits_ &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(r)); }
    constexpr std::uint8_t Bits() const noexcept { return bits_; }
    constexpr bool Empty() const noexcept { return bits_ == 0; }
    friend constexpr bool operator==(CastleSet, CastleSet) noexcept = default;

private:
    std::uint8_t bits_ = 0;
};

enum class DisplayCoords : std::uint8_t { West = 1, North = 2, East = 4, South = 8 };

class CoordSet {
public:
    constexpr CoordSet() noexcept = default;
    constexpr explicit CoordSet(std::uint8_t bits) noexcept : bits_(bits & 15) {}
    constexpr CoordSet(std::initializer_list<DisplayCoords> sides) noexcept {
        for (auto s : sides) Add(s);
    }
    static constexpr CoordSet All() noexcept { return CoordSet(15); }

    constexpr bool Contains(DisplayCoords s) const noexcept { return bits_ & static_cast<std::uint8_t>(s); }
    constexpr void Add(DisplayCoords s) noexcept { bits_ |= static_cast<std::uint8_t>(s); }
    constexpr void Remove(DisplayCoords s) noexcept { bits_ &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(s)); }
    constexpr std::uint8_t Bits() const noexcept { return bits_; }
    constexpr bool Empty() const noexcept { return bits_ == 0; }
    friend constexpr bool operator==(CoordSet, CoordSet) noexcept = default;

private:
    std::uint8_t bits_ = 0;
};

// One entry of the game record: the position at (move, side) and the
// half-move played from it, once one has been.
struct MoveInfo {
    std::string PositionString;  // 64 characters
    CastleSet Castling;
    Square FromSq = Square::None;
    Square ToSq = Square::None;
    Square EnPassantSq = Square::None;
};

// A consistent copy of what the engine needs of the board, taken in one piece.
struct PositionSnapshot {
    std::array<char, 64> Squares{};  // Board[1..64]
    bool WhiteToMove = true;
    CastleSet Castling;
    Square EnPassant = Square::None;
};

inline constexpr const char* kStartPosition =
    "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

class ChessBrdCore;

// Event handler types. An empty std::function means "unassigned": the event
// does not fire. Parameters passed by reference may be changed by the handler.
using TNotifyEvent = std::function<void(ChessBrdCore& Sender)>;
using TMoveEvent = std::function<void(ChessBrdCore& Sender, Square oldSq, Square newSq)>;
using TCaptureEvent = std::function<void(ChessBrdCore& Sender, Square oldSq, Square newSq, char CapturedPiece)>;
using TOneSquareEvent = std::function<void(ChessBrdCore& Sender, Square square)>;
using TPromotionEvent = std::function<void(ChessBrdCore& Sender, Square oldSq, Square newSq, char& NewPiece)>;
using TThinkEvent = std::function<void(ChessBrdCore& Sender, Square& oldsq, Square& newsq)>;

}  // namespace tablerix
