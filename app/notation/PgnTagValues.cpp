#include "PgnTagValues.h"

#include <algorithm>
#include <array>

namespace tablerix {

namespace {

constexpr std::array<const char*, 3> kComputer = {"Ordenador (Fácil)", "Ordenador (Normal)", "Ordenador (Difícil)"};
constexpr int kMaxSeconds = 99 * 3600 + 59 * 60 + 59;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string TwoDigits(int n) { return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; }

// Digits only, at most six of them.
std::optional<int> Number(std::string_view s) {
    if (s.empty() || s.size() > 6) return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

ClockTime FromSeconds(long long total) {
    const int t = static_cast<int>(std::clamp<long long>(total, 0, kMaxSeconds));
    return {t / 3600, t / 60 % 60, t % 60};
}

}  // namespace

std::string PgnTagValues::ClockText(const ClockTime& clock) {
    const ClockTime c = FromSeconds(3600LL * clock.Hours + 60LL * clock.Minutes + clock.Seconds);
    return std::to_string(c.Hours) + ':' + TwoDigits(c.Minutes) + ':' + TwoDigits(c.Seconds);
}

std::optional<ClockTime> PgnTagValues::ParseClock(std::string_view text) {
    text = Trim(text);
    if (const std::size_t dot = text.find('.'); dot != std::string_view::npos) {
        if (!Number(text.substr(dot + 1))) return std::nullopt;
        text = text.substr(0, dot);
    }
    long long total = 0;
    int fields = 0;
    while (true) {
        const std::size_t colon = text.find(':');
        const auto n = Number(text.substr(0, colon));
        if (!n || ++fields > 3) return std::nullopt;
        total = total * 60 + *n;
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
    }
    return FromSeconds(total);
}

std::string PgnTagValues::DateText(const GameDate& d) {
    const auto field = [](int value, int width) {
        if (value <= 0) return std::string(static_cast<std::size_t>(width), '?');
        std::string digits = std::to_string(value);
        if (digits.size() < static_cast<std::size_t>(width))
            digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
        return digits;
    };
    const bool valid = d.Year <= 9999 && d.Month <= 12 && d.Day <= 31;
    if (!valid) return "????.??.??";
    return field(d.Year, 4) + '.' + field(d.Month, 2) + '.' + field(d.Day, 2);
}

std::string PgnTagValues::BlackText(bool computer, int difficulty) {
    if (!computer) return kHuman;
    return kComputer[static_cast<std::size_t>(std::clamp(difficulty, 0, 2))];
}

BlackPlayer PgnTagValues::ParseBlack(std::string_view text) {
    text = Trim(text);
    for (std::size_t i = 0; i < kComputer.size(); ++i)
        if (text == kComputer[i]) return {true, static_cast<int>(i)};
    return {};
}

}  // namespace tablerix
