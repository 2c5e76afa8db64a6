// tablerix-engine: the Tablerix engine behind the Universal Chess Interface,
// on standard input and output.

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
    session.WaitForSearch();
    return 0;
}
