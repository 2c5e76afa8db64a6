#pragma once
// The Windows-1252 code page, the 8-bit encoding game files were always
// written in. Qt 6 core has no codec for it, so the table lives here.
// Pure functions; any thread.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tablerix {

class Cp1252 {
public:
    // True when every UTF-16 unit of text has a Windows-1252 byte.
    static bool Fits(QStringView text);
    // Encodes text; characters without a byte become '?'. Call Fits first
    // when nothing may be lost.
    static QByteArray Encode(QStringView text);
    // Every byte decodes: the five bytes the code page leaves undefined
    // become the C1 control characters of the same value, so they round-trip.
    static QString Decode(const QByteArray& bytes);

    // Byte for one character, or -1 when it has none.
    static int ByteOf(char16_t c);
    // Character of one byte.
    static char16_t CharOf(unsigned char b);
};

}  // namespace tablerix
