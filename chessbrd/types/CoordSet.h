#pragma once
// The sides of the board along which coordinates are drawn. Plain C++.

#include <cstdint>
#include <initializer_list>

namespace tablerix {

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
    constexpr void Remove(DisplayCoords s) noexcept {
        bits_ &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(s));
    }
    constexpr std::uint8_t Bits() const noexcept { return bits_; }
    constexpr bool Empty() const noexcept { return bits_ == 0; }
    friend constexpr bool operator==(CoordSet, CoordSet) noexcept = default;

private:
    std::uint8_t bits_ = 0;
};

}  // namespace tablerix
