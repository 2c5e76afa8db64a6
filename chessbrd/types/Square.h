#pragma once
// The squares of the board. Plain C++.

#include <cstdint>

namespace tablerix {

// One byte. A8 = 1 … H8 = 8, A7 = 9 … H1 = 64: rows from Black's back rank
// down to White's, files a to h within a row. The engine numbers the same
// squares 0..63 (its number plus one is the Square).
enum class Square : std::uint8_t {
    None = 0,
    A8,
    B8,
    C8,
    D8,
    E8,
    F8,
    G8,
    H8,
    A7,
    B7,
    C7,
    D7,
    E7,
    F7,
    G7,
    H7,
    A6,
    B6,
    C6,
    D6,
    E6,
    F6,
    G6,
    H6,
    A5,
    B5,
    C5,
    D5,
    E5,
    F5,
    G5,
    H5,
    A4,
    B4,
    C4,
    D4,
    E4,
    F4,
    G4,
    H4,
    A3,
    B3,
    C3,
    D3,
    E3,
    F3,
    G3,
    H3,
    A2,
    B2,
    C2,
    D2,
    E2,
    F2,
    G2,
    H2,
    A1,
    B1,
    C1,
    D1,
    E1,
    F1,
    G1,
    H1,
};

constexpr int ToInt(Square s) noexcept { return static_cast<int>(s); }
// Any integer is accepted; values outside 0..64 are still representable in the
// byte and every operation must treat them as off the board.
constexpr Square ToSquare(int n) noexcept { return static_cast<Square>(static_cast<std::uint8_t>(n)); }
constexpr bool IsOnBoard(Square s) noexcept { return ToInt(s) >= 1 && ToInt(s) <= 64; }

}  // namespace tablerix
