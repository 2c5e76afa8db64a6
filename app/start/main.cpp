// Tablerix: a desktop chess program. Reads its command line, then starts the
// main window, loads the game named there if any, and runs the message loop
// until that window is closed.
#include "CommandLine.h"
#include "Form1Layout.h"
#include "GameJournal.h"
#include "ProgramStart.h"
#include "QtTranslation.h"
#include "TablerixPas.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv) {
    using tablerix::CommandLine;
    // Read before QApplication exists: the help, the version and a misuse
    // are printed without a display, and without Qt's complaint of none.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = CommandLine::Parse(CommandLine::WithoutQtOptions(args));
    const QString program = QFileInfo(QString::fromLocal8Bit(argc > 0 ? argv[0] : "tablerix")).fileName();
    switch (line.What) {
    case CommandLine::Action::Help: std::fputs(CommandLine::Help(program).toLocal8Bit().constData(), stdout); return 0;
    case CommandLine::Action::Version:
        std::fprintf(stdout, "%s\n", CommandLine::Version().toLocal8Bit().constData());
        return 0;
    case CommandLine::Action::Misuse:
        std::fprintf(stderr, "%s\n", CommandLine::Usage(program).toLocal8Bit().constData());
        return CommandLine::kMisuseStatus;
    case CommandLine::Action::Play:
    case CommandLine::Action::OpenGame: break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(CommandLine::Version());
    // Ties the window to its menu entry and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tablerix"));
    QApplication::setFont(tablerix::Form1Layout::DefaultFont());  // message boxes too
    tablerix::QtTranslation::InstallSpanish();                    // without the catalogue Qt's dialogs stay in English
    tablerix::TForm1 form;
    // A game named on the command line takes the place of an interrupted one.
    form.KeepRecordIn(tablerix::GameJournal::DefaultFolder(), line.What != CommandLine::Action::OpenGame);
    tablerix::ProgramStart::Show(form, line);
    return app.exec();
}
