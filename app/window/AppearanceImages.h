#pragma once
// The pictures the main window offers for its board: the piece sets and the
// square and border textures of its built-in artwork, each decoded the first
// time it is asked for and kept for the rest of the run. The start screen
// decodes only the textures the board starts with.
//
// Ownership: the main window owns one; the board takes its own copies of what
// it is given. User-interface thread only.

#include <QImage>
#include <QString>

#include <map>

namespace tablerix {

class AppearanceImages {
public:
    // The wood around the board.
    static inline const QString kBorderResource = QStringLiteral(":/textures/MaderaBorde.png");

    // The picture of a resource path such as ":/textures/MarronOscuro2.png";
    // a null image for a path with no picture (also kept, so it is tried once).
    QImage Picture(const QString& resource);

    // Whether Picture has decoded resource already.
    bool IsDecoded(const QString& resource) const;
    // How many resources have been asked for so far.
    int DecodedCount() const noexcept { return static_cast<int>(pictures_.size()); }

private:
    std::map<QString, QImage> pictures_;
};

}  // namespace tablerix
