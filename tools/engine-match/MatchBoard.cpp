#include "MatchBoard.h"

#include <algorithm>

namespace tablerix {

std::string MatchBoard::Text(const HalfMove& move) {
    std::string text;
    for (const Square sq : {move.From, move.To}) {
        const int n = ToInt(sq) - 1;  // 0 is a8
        text += static_cast<char>('a' + n % 8);
        text += static_cast<char>('8' - n / 8);
    }
    if (move.Promotion != 0) text += move.Promotion;
    return text;
}

std::vector<std::string> MatchBoard::LegalMoves() const {
    std::vector<std::string> texts;
    for (const HalfMove& m : position_.LegalMoves()) texts.push_back(Text(m));
    return texts;
}

bool MatchBoard::IsLegal(const std::string& text) const {
    const auto legal = LegalMoves();
    return std::find(legal.begin(), legal.end(), text) != legal.end();
}

bool MatchBoard::Play(const std::string& text) {
    for (const HalfMove& m : position_.LegalMoves()) {
        if (Text(m) != text) continue;
        const char piece = position_.At(m.From);
        const bool capture = position_.At(m.To) != ' ';
        position_.Apply(m);
        quietPlies_ = (piece == 'P' || piece == 'p' || capture) ? 0 : quietPlies_ + 1;
        seen_.push_back(position_);
        return true;
    }
    return false;
}

std::string MatchBoard::Ending() const {
    if (!position_.HasLegalMove()) return position_.InCheck() ? "checkmate" : "stalemate";
    if (std::count(seen_.begin(), seen_.end(), position_) >= 3) return "threefold repetition";
    if (quietPlies_ >= 100) return "fifty-move rule";
    if (MoveRules::MaterialInsufficient(position_.Placement())) return "insufficient material";
    return "";
}

int MatchBoard::EndingScore() const {
    if (position_.HasLegalMove() || !position_.InCheck()) return 0;
    return position_.WhiteToMove() ? -1 : 1;
}

}  // namespace tablerix
