#include "LineReader.h"

namespace tablerix {

bool LineReader::Next(std::string& line) {
    std::streambuf* buf = in_.rdbuf();
    for (;;) {
        line.clear();
        bool tooLong = false;
        bool sawAny = false;
        for (;;) {
            const int c = buf->sbumpc();
            if (c == std::char_traits<char>::eof()) {
                in_.setstate(std::ios::eofbit);
                if (!sawAny) return false;
                break;
            }
            sawAny = true;
            if (c == '\n') break;
            if (tooLong) continue;
            if (line.size() >= limit_) {
                tooLong = true;
                line.clear();
                continue;
            }
            line.push_back(static_cast<char>(c));
        }
        if (tooLong) continue;  // skip it whole
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
}

}  // namespace tablerix
