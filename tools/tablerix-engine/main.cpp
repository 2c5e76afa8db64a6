// tablerix-engine: the Tablerix engine behind the Universal Chess Interface,
// on standard input and output.
//
// Input is read all the time, also while a search or a perft runs: "stop"
// and "quit" end it at once, "isready" and "ponderhit" are answered at once,
// and every other command waits its turn. A search keeps the limits its "go"
// gives (clock, movetime, nodes, mate, searchmoves, infinite, ponder) and
// always ends in one "bestmove". A perft ("go perft N") that is stopped prints only
// the root moves it counted to the end and no total, so every number it
// prints is true. The end of input acts as "quit".

#include "LineReader.h"
#include "UciSession.h"

#include <iostream>

int main() {
    std::ios::sync_with_stdio(false);
    tablerix::UciSession session(std::cout);
    tablerix::LineReader reader(std::cin);
    std::string line;
    while (reader.Next(line)) {
        if (!session.Handle(line)) return 0;
    }
    session.Quit();
    return 0;
}
