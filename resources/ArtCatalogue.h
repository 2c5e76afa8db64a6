#pragma once

#include <span>

// Every image built into the program through Qt's resource system, with the
// size it must have. Linking tablerix_resources makes them all loadable by
// path (e.g. QImage(":/pieces/SETORVANE40.png")); no initialisation call is needed.
namespace tablerix {

enum class ArtKind { PieceSet, Texture, Icon, ProgramIcon };

struct ArtFile {
    const char* path;  // resource path, ":/" prefixed
    int width;
    int height;
    ArtKind kind;
};

// The whole list; constant static storage, safe to read from any thread.
std::span<const ArtFile> artCatalogue();

}  // namespace tablerix
