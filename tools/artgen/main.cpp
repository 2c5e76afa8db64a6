// Generates the program's artwork into a resources directory:
//   tablerix-artgen <resources-dir> [--contact-sheet <png>]
// Output is deterministic: fixed seeds, fonts read from fixed files.
#include "ArtworkWriter.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--contact-sheet"))) {
        std::fprintf(stderr, "usage: tablerix-artgen <resources-dir> [--contact-sheet <png>]\n");
        return 2;
    }
    QString error;
    if (!ArtworkWriter::writeAll(args[1], error)) {
        std::fprintf(stderr, "tablerix-artgen: %s\n", qPrintable(error));
        return 1;
    }
    if (args.size() == 4 && !ArtworkWriter::writeContactSheet(args[1], args[3], error)) {
        std::fprintf(stderr, "tablerix-artgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
