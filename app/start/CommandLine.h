#pragma once
// What the program was asked to do on its command line: `tablerix` alone
// starts as always, `tablerix GAME.Chess` or `tablerix GAME.pgn` starts and
// loads that game, `--help` prints the usage and `--version` the program's
// name and version. Anything else is a usage error. Read before Qt starts,
// so that the answers that print need no display.
// Plain value type; any thread.

#include <QString>
#include <QStringList>

namespace tablerix {

class CommandLine {
public:
    enum class Action {
        Play,      // no argument: the start screen
        OpenGame,  // one game file: the start screen, then that game loaded
        Help,      // Help() on standard output, exit status 0
        Version,   // Version() on standard output, exit status 0
        Misuse,    // Usage() on standard error, exit status 2
    };

    static constexpr int kMisuseStatus = 2;

    // arguments: the command line after the program's name, Qt's own
    // options taken out (see WithoutQtOptions).
    static CommandLine Parse(const QStringList& arguments);

    // The arguments without the options QApplication takes for itself
    // (-platform NAME, -style NAME, -reverse and the like, with one dash or
    // two), so that they can be read before QApplication exists.
    static QStringList WithoutQtOptions(const QStringList& arguments);

    // "Uso: <program> [PARTIDA.Chess | PARTIDA.pgn]"
    static QString Usage(const QString& program);
    // The usage line and what each argument does, lines ending in '\n'.
    static QString Help(const QString& program);
    // "Tablerix 1.0": the program's name and version, also its Qt name.
    static QString Version();

    Action What = Action::Play;
    QString GamePath;  // for OpenGame, as given
};

}  // namespace tablerix
