#pragma once
// The three count-up clocks of a game (whole game, White, Black) and their
// arithmetic. Plain C++ without Qt so it is tested without a window; TForm1
// owns one instance and shows it in its nine clock labels.
// Threads: user-interface thread only (like its owner).

#include <cstdint>
#include <string>
#include <string_view>

namespace tablerix {

class GameClocks {
public:
    // One clock: hours are unbounded, minutes and seconds run 0..59.
    struct Counter {
        std::int32_t Hours = 0;
        std::int32_t Minutes = 0;
        std::int32_t Seconds = 0;

        // One second more, carrying into minutes and hours.
        void Advance() noexcept;
        void Reset() noexcept { Hours = Minutes = Seconds = 0; }
        friend bool operator==(const Counter&, const Counter&) = default;
    };

    Counter GameClock;
    Counter WhiteClock;
    Counter BlackClock;

    // One timer tick of a running game: the game clock and the clock of the
    // side to move advance by one second.
    void Tick(bool whiteToMove) noexcept;
    // All three clocks back to zero.
    void Reset() noexcept;

    // Two digits with a leading "0" below 10; 100 and more keep all digits.
    // Negative values (only reachable through a damaged game file) show as-is.
    static std::string TwoDigits(std::int32_t value);
    // A label's text read back as a decimal number; anything that is not a
    // plain run of digits (surrounding blanks allowed) reads as 0.
    static std::int32_t FromText(std::string_view text) noexcept;
};

}  // namespace tablerix
