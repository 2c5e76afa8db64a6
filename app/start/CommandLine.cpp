#include "CommandLine.h"

namespace tablerix {

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
    // An option is never a game, even one ending in the suffix; a game file
    // of that name is reached as ./-name.Chess. The suffix is compared
    // without regard to case, as the open dialog's filter does.
    if (arg.startsWith(u'-')) return line;
    if (!arg.endsWith(QLatin1String(".Chess"), Qt::CaseInsensitive)) return line;
    line.What = Action::OpenGame;
    line.GamePath = arg;
    return line;
}

QString CommandLine::Usage(const QString& program) { return QStringLiteral("Uso: %1 [PARTIDA.Chess]").arg(program); }

}  // namespace tablerix
