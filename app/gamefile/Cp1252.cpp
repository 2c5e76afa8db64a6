#include "Cp1252.h"

#include "Cp1252Table.h"

namespace tablerix {

bool Cp1252::Fits(QStringView text) {
    for (QChar c : text) {
        if (Cp1252Table::ByteOf(c.unicode()) < 0) return false;
    }
    return true;
}

QByteArray Cp1252::Encode(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = Cp1252Table::ByteOf(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString Cp1252::Decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) out.append(QChar(Cp1252Table::CharOf(static_cast<unsigned char>(b))));
    return out;
}

}  // namespace tablerix
