#pragma once
// A set of the four one-bit members of a flag enumeration, stored in one
// byte whose bit values are those of the members. Plain C++.

#include <cstdint>
#include <initializer_list>

namespace tablerix {

template <typename Flag>
class FlagSet {
public:
    constexpr FlagSet() noexcept = default;
    constexpr explicit FlagSet(std::uint8_t bits) noexcept : bits_(bits & 15) {}
    constexpr FlagSet(std::initializer_list<Flag> flags) noexcept {
        for (auto f : flags) Add(f);
    }
    static constexpr FlagSet All() noexcept { return FlagSet(15); }

    constexpr bool Contains(Flag f) const noexcept { return bits_ & static_cast<std::uint8_t>(f); }
    constexpr void Add(Flag f) noexcept { bits_ |= static_cast<std::uint8_t>(f); }
    constexpr void Remove(Flag f) noexcept { bits_ &= static_cast<std::uint8_t>(~static_cast<std::uint8_t>(f)); }
    constexpr std::uint8_t Bits() const noexcept { return bits_; }
    constexpr bool Empty() const noexcept { return bits_ == 0; }
    friend constexpr bool operator==(FlagSet, FlagSet) noexcept = default;

private:
    std::uint8_t bits_ = 0;
};

}  // namespace tablerix
