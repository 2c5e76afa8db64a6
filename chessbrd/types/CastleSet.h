#pragma once
// Castling rights. Plain C++.

#include <cstdint>
#include <initializer_list>

namespace tablerix {

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
    constexpr void Remove(CanStillCastle r) noexcept {
        bits_ &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(r));
    }
    constexpr std::uint8_t Bits() const noexcept { return bits_; }
    constexpr bool Empty() const noexcept { return bits_ == 0; }
    friend constexpr bool operator==(CastleSet, CastleSet) noexcept = default;

private:
    std::uint8_t bits_ = 0;
};

}  // namespace tablerix
