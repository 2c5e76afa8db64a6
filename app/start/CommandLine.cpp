#include "CommandLine.h"

#include <array>

namespace tablerix {

namespace {

// Qt's own options as Qt 6 takes them (QGuiApplication, QApplication and the
// X11 platform plugin): those that take the next argument as their value,
// those that stand alone, and those known by how they begin (their value
// after '=').
constexpr std::array kQtOptionsWithValue = {
    "platform",     "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon",        "session",       "style",  "stylesheet",
    "display",      "geometry",           "title",         "icon",   "name",
    "visual"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "qdevel", "nograb", "dograb", "testability"};
constexpr std::array kQtOptionPrefixes = {"style=", "stylesheet=", "qmljsdebugger"};

bool IsOption(const QString& arg) { return arg.startsWith(u'-') && arg != QLatin1String("-"); }

// The option's name without its one or two dashes.
QString NameOf(const QString& arg) { return arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1); }

template <std::size_t N>
bool Among(const QString& name, const std::array<const char*, N>& names) {
    for (const char* n : names)
        if (name == QLatin1String(n)) return true;
    return false;
}

}  // namespace

QStringList CommandLine::WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (!IsOption(arg)) {
            kept << arg;
            continue;
        }
        const QString name = NameOf(arg);
        if (Among(name, kQtOptionsWithValue)) {
            ++i;  // and its value
            continue;
        }
        if (Among(name, kQtFlags)) continue;
        bool qts = false;
        for (const char* prefix : kQtOptionPrefixes) qts = qts || name.startsWith(QLatin1String(prefix));
        if (!qts) kept << arg;
    }
    return kept;
}

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine line;
    if (arguments.isEmpty()) return line;
    line.What = Action::Misuse;
    if (arguments.size() > 1) return line;
    const QString& arg = arguments.front();
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
        line.What = Action::Help;
        return line;
    }
    if (arg == QLatin1String("--version") || arg == QLatin1String("-v")) {
        line.What = Action::Version;
        return line;
    }
    // An option is never a game, even one ending in the suffix; a game file
    // of that name is reached as ./-name.Chess. The suffixes are compared
    // without regard to case, as the open dialog's filters do.
    if (arg.startsWith(u'-')) return line;
    if (!arg.endsWith(QLatin1String(".Chess"), Qt::CaseInsensitive) &&
        !arg.endsWith(QLatin1String(".pgn"), Qt::CaseInsensitive))
        return line;
    line.What = Action::OpenGame;
    line.GamePath = arg;
    return line;
}

QString CommandLine::Usage(const QString& program) {
    return QStringLiteral("Uso: %1 [PARTIDA.Chess | PARTIDA.pgn]").arg(program);
}

QString CommandLine::Help(const QString& program) {
    return Usage(program) + QStringLiteral(
                                "\n"
                                "Juego de ajedrez. Con una partida (.Chess o PGN), empieza con ella cargada.\n"
                                "\n"
                                "  -h, --help     muestra esta ayuda y termina\n"
                                "  -v, --version  muestra la versión y termina\n");
}

QString CommandLine::Version() { return QStringLiteral("Tablerix 1.0"); }

}  // namespace tablerix
