#include "MoveSpeech.h"

#include <string_view>

namespace tablerix {

namespace {

struct Piece {
    char Letter;       // English, lower case
    const char* Name;  // singular
    bool Feminine;     // "blanca"/"negra" instead of "blanco"/"negro"
};

constexpr Piece kPieces[] = {
    {'k', "rey", false},   {'q', "dama", true},     {'r', "torre", true},
    {'b', "alfil", false}, {'n', "caballo", false}, {'p', "peón", false},
};

const Piece* Find(char letter) {
    const char lower = (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter + ('a' - 'A')) : letter;
    for (const Piece& p : kPieces)
        if (p.Letter == lower) return &p;
    return nullptr;
}

bool IsWhite(char letter) { return letter >= 'A' && letter <= 'Z'; }

}  // namespace

std::string MoveSpeech::PieceName(char letter) {
    const Piece* p = Find(letter);
    if (p == nullptr) return {};
    const bool white = IsWhite(letter);
    return std::string(p->Name) + (white ? (p->Feminine ? " blanca" : " blanco") : (p->Feminine ? " negra" : " negro"));
}

std::string MoveSpeech::SquareName(Square sq) {
    if (!IsOnBoard(sq)) return "--";
    return {static_cast<char>('a' + MoveRules::FileOf(sq) - 1), static_cast<char>('0' + MoveRules::RankOf(sq))};
}

std::string MoveSpeech::Describe(const BoardPosition& position, Square sq) {
    const std::string piece = PieceName(position.At(sq));
    return SquareName(sq) + ", " + (piece.empty() ? std::string("vacía") : piece);
}

std::string MoveSpeech::Move(const BoardPosition& before, const HalfMove& move, Outcome outcome) {
    const char mover = before.At(move.From);
    const Piece* piece = Find(mover);
    std::string text = IsWhite(mover) ? "Blancas: " : "Negras: ";
    const CastlingSquares* castling = CastlingOf(mover, move.From, move.To);
    if (castling != nullptr)
        text += move.To == Square::G1 || move.To == Square::G8 ? "enroque corto, " : "enroque largo, ";
    text += std::string(piece != nullptr ? piece->Name : "pieza") + " de " + SquareName(move.From) + " a " +
            SquareName(move.To);

    const Square enPassant = before.Rules().EnPassantVictim(move.From, move.To);
    const char taken = enPassant != Square::None ? before.At(enPassant) : before.At(move.To);
    if (const Piece* t = Find(taken)) {
        text += std::string(", captura ") + t->Name;
        if (enPassant != Square::None) text += " al paso";
    }
    if (before.IsPromotion(move.From, move.To)) {
        const Piece* p = Find(move.Promotion != 0 ? move.Promotion : 'q');
        text += std::string(", corona ") + (p != nullptr ? p->Name : "dama");
    }
    switch (outcome) {
    case Outcome::None: break;
    case Outcome::Check: text += ", jaque"; break;
    case Outcome::Mate: text += ", jaque mate"; break;
    case Outcome::Draw: text += ", tablas"; break;
    }
    return text;
}

std::string MoveSpeech::Position(const BoardPosition& position) {
    std::string text = position.WhiteToMove() ? "Juegan blancas." : "Juegan negras.";
    for (bool white : {true, false}) {
        std::string side;
        for (const Piece& p : kPieces) {
            const char letter = white ? static_cast<char>(p.Letter - ('a' - 'A')) : p.Letter;
            for (int s = 1; s <= 64; ++s) {
                if (position.At(ToSquare(s)) != letter) continue;
                side += (side.empty() ? " " : ", ") + std::string(p.Name) + " " + SquareName(ToSquare(s));
            }
        }
        text += white ? " Blancas:" : " Negras:";
        text += side.empty() ? std::string(" ninguna pieza.") : side + ".";
    }
    return text;
}

}  // namespace tablerix
