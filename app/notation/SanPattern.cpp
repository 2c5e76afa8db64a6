#include "SanPattern.h"

#include "MoveRules.h"

#include <string>

namespace tablerix {

namespace {

// Upper-case piece letters in the order of "pnbrqk".
constexpr std::string_view kEnglish = "PNBRQK";
constexpr std::string_view kSpanish = "PCATDR";
constexpr std::string_view kLower = "pnbrqk";

char PieceOf(char c, SanPattern::Letters letters) {
    const std::string_view table = letters == SanPattern::Letters::English ? kEnglish : kSpanish;
    const std::size_t i = table.find(c);
    return i == std::string_view::npos ? 0 : kLower[i];
}

// A promotion letter may also be written in lower case ("e7e8q"); only the
// letters of the four pieces a pawn can become, so no file letter is taken.
char PromotionOf(char c, SanPattern::Letters letters) {
    const std::string_view lower = letters == SanPattern::Letters::English ? "nbrq" : "catd";
    const std::size_t i = lower.find(c);
    if (i != std::string_view::npos) return "nbrq"[i];
    return PieceOf(c, letters);
}

bool IsFile(char c) { return c >= 'a' && c <= 'h'; }
bool IsRank(char c) { return c >= '1' && c <= '8'; }

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Drops annotation marks, check signs and an en passant remark.
std::string_view StripSuffixes(std::string_view s) {
    for (;;) {
        if (!s.empty() && std::string_view("+#!?").find(s.back()) != std::string_view::npos) {
            s.remove_suffix(1);
            continue;
        }
        bool stripped = false;
        for (std::string_view ep : {"e.p.", "e.p", "ep"}) {
            if (EndsWith(s, ep) && s.size() > ep.size() && IsRank(s[s.size() - ep.size() - 1])) {
                s.remove_suffix(ep.size());
                stripped = true;
                break;
            }
        }
        if (!stripped) return s;
    }
}

std::optional<SanPattern::Kind> Castling(std::string_view s) {
    std::string letters;
    for (char c : s) {
        if (c == '-') continue;
        if (c != 'O' && c != 'o' && c != '0') return std::nullopt;
        letters += 'O';
    }
    if (letters == "OO") return SanPattern::Kind::CastleKingSide;
    if (letters == "OOO") return SanPattern::Kind::CastleQueenSide;
    return std::nullopt;
}

}  // namespace

std::optional<SanPattern> SanPattern::Parse(std::string_view token, Letters letters) {
    std::string_view s = StripSuffixes(token);
    SanPattern p;
    if (auto castle = Castling(s)) {
        p.What = *castle;
        return p;
    }
    if (!s.empty() && s.front() >= 'A' && s.front() <= 'Z') {
        p.Piece = PieceOf(s.front(), letters);
        if (p.Piece == 0) return std::nullopt;
        s.remove_prefix(1);
    }
    // Promotion: "=Q", "Q", "q", "(Q)", "/Q" after the destination.
    if (!s.empty() && s.back() == ')') {
        if (s.size() < 3 || s[s.size() - 3] != '(') return std::nullopt;
        p.Promotion = PromotionOf(s[s.size() - 2], letters);
        if (p.Promotion == 0) return std::nullopt;
        s.remove_suffix(3);
    } else if (s.size() >= 3 && !IsRank(s.back()) && IsRank(s[s.size() - 2])) {
        p.Promotion = PromotionOf(s.back(), letters);
        if (p.Promotion == 0) return std::nullopt;
        s.remove_suffix(1);
    } else if (s.size() >= 4 && IsRank(s[s.size() - 3]) && (s[s.size() - 2] == '=' || s[s.size() - 2] == '/')) {
        p.Promotion = PromotionOf(s.back(), letters);
        if (p.Promotion == 0) return std::nullopt;
        s.remove_suffix(2);
    }
    if (!s.empty() && (s.back() == '=' || s.back() == '/')) return std::nullopt;
    if (s.size() < 2 || !IsFile(s[s.size() - 2]) || !IsRank(s.back())) return std::nullopt;
    p.To = MoveRules::SquareAt(s[s.size() - 2] - 'a' + 1, s.back() - '0');
    s.remove_suffix(2);

    // What is left says where the piece comes from; capture signs and a
    // hyphen carry no information.
    std::string from;
    for (char c : s)
        if (c != 'x' && c != ':' && c != '-') from += c;
    if (from.size() > 2) return std::nullopt;
    std::size_t i = 0;
    if (i < from.size() && IsFile(from[i])) p.FromFile = from[i++] - 'a' + 1;
    if (i < from.size() && IsRank(from[i])) p.FromRank = from[i++] - '0';
    if (i != from.size()) return std::nullopt;
    return p;
}

}  // namespace tablerix
