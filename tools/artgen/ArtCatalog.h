#pragma once

#include <QString>

// The list of every image the program carries and how each one is made.
class ArtCatalog {
public:
    // Writes pieces/, textures/ and icons/ under resourcesDir. False with a
    // message on the first image that cannot be made or saved.
    static bool writeAll(const QString& resourcesDir, QString& error);

    // Reads the written images back and saves a proof print of them to file.
    static bool writeContactSheet(const QString& resourcesDir, const QString& file, QString& error);
};
