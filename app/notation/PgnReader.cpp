#include "PgnReader.h"

#include "FenWriter.h"
#include "PgnScanner.h"
#include "SanPattern.h"
#include "Utf8Text.h"

#include <sstream>

namespace tablerix {

namespace {

enum class SymbolKind { MoveNumber, Move, Result, Glyph };

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiAlnum(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Drops a leading move number ("12." "12..." "12…") from a symbol; true when one was there.
bool StripMoveNumber(std::string_view& s) {
    constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
    std::size_t i = 0;
    while (i < s.size() && IsDigit(s[i])) ++i;
    const std::size_t digits = i;
    for (;;) {
        if (i < s.size() && s[i] == '.') {
            ++i;
        } else if (s.substr(i, kEllipsis.size()) == kEllipsis) {
            i += kEllipsis.size();
        } else {
            break;
        }
    }
    if (digits == 0 || i == digits) return false;
    s.remove_prefix(i);
    return true;
}

SymbolKind Classify(std::string_view& s, std::string& result) {
    if (s == "1-0" || s == "0-1" || s == "1/2-1/2") {
        result = s;
        return SymbolKind::Result;
    }
    if (s == "1/2" || s == "\xC2\xBD-\xC2\xBD") {  // "½-½"
        result = "1/2-1/2";
        return SymbolKind::Result;
    }
    if (StripMoveNumber(s) && s.empty()) return SymbolKind::MoveNumber;
    if (s.find_first_not_of("0123456789") == std::string_view::npos) return SymbolKind::MoveNumber;
    if (s == "--" || s == "Z0") return SymbolKind::Move;  // null moves: refused later as moves
    if (s == "e.p." || s == "ep" || s == "e.p") return SymbolKind::Glyph;
    for (char c : s)
        if (IsAsciiAlnum(c)) return SymbolKind::Move;
    return SymbolKind::Glyph;  // "...", "!?", "+-", "=" and the like
}

// Comment text as notes: decoded, line ends as LF.
std::string NotesText(std::string_view raw) {
    std::string text = Utf8Text::Decode(raw), out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

// A game with a FEN tag (or SetUp "1" and none) must start from the standard position.
bool StartsFromStandardPosition(const PgnGameText& game) {
    const std::string* fen = game.Tag("FEN");
    if (fen == nullptr) {
        const std::string* setUp = game.Tag("SetUp");
        return setUp == nullptr || *setUp != "1";
    }
    std::istringstream given(*fen), start(FenWriter::kStart);
    for (int field = 0; field < 4; ++field) {
        std::string a, b;
        given >> a;
        start >> b;
        if (a != b) return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool Readable(std::string_view token) {
    return SanPattern::Parse(token, SanPattern::Letters::English) ||
           SanPattern::Parse(token, SanPattern::Letters::Spanish);
}

}  // namespace

PgnReader::Result PgnReader::ReadFirstGame(std::string_view text) {
    PgnScanner in(text, kMaxGameBytes);
    in.SkipByteOrderMark();
    Result r;
    PgnGameText& game = r.Game;
    std::string notes;
    bool haveNotes = false, movetext = false, anything = false;
    const auto addNotes = [&](std::string_view raw) {
        if (!game.Moves.empty()) return;
        if (haveNotes) notes += '\n';
        notes += NotesText(raw);
        haveNotes = true;
    };
    const auto refuse = [&r](Error e) {
        r.Fault = e;
        r.Game = {};
        return r;
    };

    for (;;) {
        in.SkipBlanks();
        if (in.AtEnd()) {
            if (in.Cut()) return refuse(anything || haveNotes ? Error::TooLong : Error::NoGame);
            break;
        }
        const char c = in.Peek();
        if (c == '%' && in.AtLineStart()) {
            in.SkipLine();
            continue;
        }
        if (c == '[' && movetext) break;  // the next game's tags
        std::string_view symbol;
        const std::size_t before = in.Pos();
        switch (c) {
            case '{': addNotes(in.BraceComment()); break;
            case ';': addNotes(Trimmed(in.LineComment())); break;
            case '[':
                if (auto tag = in.TagPair()) game.Tags.push_back({tag->Name, Utf8Text::Decode(tag->Value)});
                anything = true;
                break;
            case '(': in.SkipVariation(); movetext = true; break;
            case '*':  // push_back: GCC 12 wrongly warns (-Wrestrict) on assigning "*" here
                in.Advance(1);
                game.Result.push_back('*');
                anything = true;
                break;
            case '$': in.Advance(1); in.Symbol(); movetext = true; break;
            case ')': case ']': case '}': case '<': case '>': in.Advance(1); break;  // strays
            default: symbol = in.Symbol(); break;
        }
        if (in.Pos() == before) in.Advance(1);  // every step must move on
        if (in.Cut()) return refuse(Error::TooLong);  // that element may go on past the limit
        if (!game.Result.empty()) break;
        if (symbol.empty()) continue;

        const SymbolKind kind = Classify(symbol, game.Result);
        if (!movetext && game.Tags.empty() && kind == SymbolKind::Move && !Readable(symbol))
            return refuse(Error::NoGame);  // text that merely is not PGN
        movetext = anything = true;
        if (kind == SymbolKind::Result) break;
        if (kind == SymbolKind::Move)
            game.Moves.push_back({static_cast<int>(game.Moves.size()) + 1, Utf8Text::Decode(symbol)});
    }
    if (!anything) return refuse(Error::NoGame);
    if (!StartsFromStandardPosition(game)) return refuse(Error::NotFromStart);
    game.Notes = std::move(notes);
    game.Consumed = in.Pos();
    return r;
}

const char* PgnReader::Describe(Error fault) noexcept {
    switch (fault) {
        case Error::None: return "";
        case Error::NoGame: return "No hay ninguna partida en el fichero";
        case Error::TooLong: return "La primera partida del fichero ocupa más de 1 MiB";
        case Error::NotFromStart: return "La partida no empieza en la posición inicial";
    }
    return "";
}

}  // namespace tablerix
