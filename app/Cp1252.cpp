#include "Cp1252.h"

#include <array>

namespace tablerix {

namespace {

// 0x80..0x9F; the undefined bytes keep their own C1 value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char16_t Cp1252::CharOf(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80];
    return b;
}

int Cp1252::ByteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) return static_cast<int>(0x80 + i);
    }
    return -1;
}

bool Cp1252::Fits(QStringView text) {
    for (QChar c : text) {
        if (ByteOf(c.unicode()) < 0) return false;
    }
    return true;
}

QByteArray Cp1252::Encode(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = ByteOf(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString Cp1252::Decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) out.append(QChar(CharOf(static_cast<unsigned char>(b))));
    return out;
}

}  // namespace tablerix
