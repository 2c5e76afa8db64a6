#pragma once
// Reads text lines of bounded length from a stream: a line longer than the
// limit is consumed and skipped as a whole, so hostile input cannot make the
// program hold an unbounded line. Plain C++; one reading thread.

#include <cstddef>
#include <istream>
#include <string>

namespace tablerix {

class LineReader {
public:
    static constexpr std::size_t kDefaultLimit = std::size_t{1} << 20;

    explicit LineReader(std::istream& in, std::size_t limit = kDefaultLimit) : in_(in), limit_(limit) {}

    // Next line within the limit, without its line end ("\n" or "\r\n");
    // false at the end of input.
    bool Next(std::string& line);

private:
    std::istream& in_;
    std::size_t limit_;
};

}  // namespace tablerix
