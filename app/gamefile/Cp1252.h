#pragma once
// Windows-1252 for Qt strings, over the plain table in Cp1252Table.
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
};

}  // namespace tablerix
