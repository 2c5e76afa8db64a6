#pragma once
// What the program was asked to do on its command line: `tablerix` alone
// starts as always, `tablerix GAME.Chess` starts and loads that game, and
// `--help` prints the usage line. Anything else is a usage error.
// Plain value type; any thread.

#include <QString>
#include <QStringList>

namespace tablerix {

class CommandLine {
public:
    enum class Action {
        Play,      // no argument: the start screen
        OpenGame,  // one game file: the start screen, then that game loaded
        Help,      // usage on standard output, exit status 0
        Misuse,    // usage on standard error, exit status 2
    };

    static constexpr int kMisuseStatus = 2;

    // arguments: the command line after the program's name, Qt's own options
    // already taken out by QApplication.
    static CommandLine Parse(const QStringList& arguments);

    // "Uso: <program> [PARTIDA.Chess]"
    static QString Usage(const QString& program);

    Action What = Action::Play;
    QString GamePath;  // for OpenGame, as given
};

}  // namespace tablerix
