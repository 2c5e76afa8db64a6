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

namespace {

// One pass over the first game, element by element, until its result, the
// next game's tags or the end of the text.
class FirstGameScan {
public:
    explicit FirstGameScan(std::string_view text) : in_(text, PgnReader::kMaxGameBytes) { in_.SkipByteOrderMark(); }

    // None once a game has been read; Take() then gives it.
    PgnReader::Error Run();
    PgnGameText Take() { return std::move(game_); }

private:
    enum class Step { Go, Stop, NoGame, TooLong };

    Step Next();
    // Takes the element that starts with c; a symbol (a move, a number, a
    // result, a glyph) is returned to be judged, anything else is used here.
    std::string_view TakeElement(char c);
    Step TakeSymbol(std::string_view symbol);
    // Comments before the first move are the game's notes.
    void AddNotes(std::string_view raw);

    PgnScanner in_;
    PgnGameText game_;
    std::string notes_;
    bool haveNotes_ = false;
    bool movetext_ = false;
    bool anything_ = false;
};

PgnReader::Error FirstGameScan::Run() {
    for (;;) {
        const Step step = Next();
        if (step == Step::NoGame) return PgnReader::Error::NoGame;
        if (step == Step::TooLong) return PgnReader::Error::TooLong;
        if (step == Step::Stop) break;
    }
    if (!anything_) return PgnReader::Error::NoGame;
    if (!StartsFromStandardPosition(game_)) return PgnReader::Error::NotFromStart;
    game_.Notes = std::move(notes_);
    game_.Consumed = in_.Pos();
    return PgnReader::Error::None;
}

FirstGameScan::Step FirstGameScan::Next() {
    in_.SkipBlanks();
    if (in_.AtEnd()) {
        if (!in_.Cut()) return Step::Stop;
        return anything_ || haveNotes_ ? Step::TooLong : Step::NoGame;
    }
    const char c = in_.Peek();
    if (c == '%' && in_.AtLineStart()) {
        in_.SkipLine();
        return Step::Go;
    }
    if (c == '[' && movetext_) return Step::Stop;  // the next game's tags
    const std::size_t before = in_.Pos();
    const std::string_view symbol = TakeElement(c);
    if (in_.Pos() == before) in_.Advance(1);  // every step must move on
    if (in_.Cut()) return Step::TooLong;      // that element may go on past the limit
    if (!game_.Result.empty()) return Step::Stop;
    return symbol.empty() ? Step::Go : TakeSymbol(symbol);
}

std::string_view FirstGameScan::TakeElement(char c) {
    switch (c) {
    case '{': AddNotes(in_.BraceComment()); break;
    case ';': AddNotes(Trimmed(in_.LineComment())); break;
    case '[':
        // Only a well-formed tag pair makes a game; "[1]" is no tag.
        if (auto tag = in_.TagPair()) {
            game_.Tags.push_back({tag->Name, Utf8Text::Decode(tag->Value)});
            anything_ = true;
        }
        break;
    case '(':
        in_.SkipVariation();
        movetext_ = true;
        break;
    case '*':  // push_back: GCC 12 wrongly warns (-Wrestrict) on assigning "*" here
        in_.Advance(1);
        game_.Result.push_back('*');
        break;
    case '$':
        in_.Advance(1);
        in_.Symbol();
        movetext_ = true;
        break;
    case ')':
    case ']':
    case '}':
    case '<':
    case '>': in_.Advance(1); break;  // strays
    default: return in_.Symbol();
    }
    return {};
}

FirstGameScan::Step FirstGameScan::TakeSymbol(std::string_view symbol) {
    const SymbolKind kind = Classify(symbol, game_.Result);
    if (!movetext_ && game_.Tags.empty() && kind == SymbolKind::Move && !Readable(symbol))
        return Step::NoGame;  // text that merely is not PGN
    movetext_ = true;
    if (kind == SymbolKind::Result) return Step::Stop;
    // Numbers, results and glyphs alone ("42", "1-0", "!!") make no game.
    if (kind == SymbolKind::Move) {
        game_.Moves.push_back({static_cast<int>(game_.Moves.size()) + 1, Utf8Text::Decode(symbol)});
        anything_ = true;
    }
    return Step::Go;
}

void FirstGameScan::AddNotes(std::string_view raw) {
    if (!game_.Moves.empty()) return;
    if (haveNotes_) notes_ += '\n';
    notes_ += NotesText(raw);
    haveNotes_ = true;
}

// Text in UTF-16 or UTF-32 (with or without a byte-order mark) and binary
// data hold NUL bytes, which no PGN text does.
bool LooksLikeText(std::string_view text) {
    const std::string_view head = text.substr(0, PgnReader::kMaxGameBytes + 1);
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) return false;
    return head.find('\0') == std::string_view::npos;
}

}  // namespace

PgnReader::Result PgnReader::ReadFirstGame(std::string_view text) {
    Result r;
    if (!LooksLikeText(text)) {
        r.Fault = Error::NotText;
        return r;
    }
    FirstGameScan scan(text);
    r.Fault = scan.Run();
    if (r.Ok()) r.Game = scan.Take();
    return r;
}

const char* PgnReader::Describe(Error fault) noexcept {
    switch (fault) {
    case Error::None: return "";
    case Error::NoGame: return "No hay ninguna partida en el fichero";
    case Error::TooLong: return "La primera partida del fichero ocupa más de 1 MiB";
    case Error::NotFromStart: return "La partida no empieza en la posición inicial";
    case Error::NotText: return "El fichero no es texto";
    }
    return "";
}

}  // namespace tablerix
