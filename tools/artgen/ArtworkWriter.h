#pragma once

#include <QString>

// Knows every image the program carries and how each one is made. Needs a
// QGuiApplication (fonts); call from the main thread.
class ArtworkWriter {
public:
    // Writes pieces/, textures/ and icons/ under resourcesDir. False with a
    // message on the first image that cannot be made or saved.
    static bool writeAll(const QString& resourcesDir, QString& error);

    // Reads the written images back and saves proof prints of them: file, and
    // beside it "-x3.png" (enlarged close-up) and "-boards.png" (whole boards).
    static bool writeContactSheet(const QString& resourcesDir, const QString& file, QString& error);
};
