// Tablerix: a desktop chess program. Starts the main window, loads the game
// named on the command line if any, and runs the message loop until that
// window is closed.
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablerix 1.0"));
    // Ties the window to its menu entry and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tablerix"));
    QApplication::setFont(tablerix::Form1Layout::DefaultFont());  // message boxes too

    using tablerix::CommandLine;
    const QStringList args = QApplication::arguments();
    const CommandLine line = CommandLine::Parse(args.mid(1));
    if (line.What == CommandLine::Action::Help || line.What == CommandLine::Action::Misuse) {
        const bool help = line.What == CommandLine::Action::Help;
        const QString usage = CommandLine::Usage(QFileInfo(args.value(0)).fileName());
        std::fprintf(help ? stdout : stderr, "%s\n", qPrintable(usage));
        return help ? 0 : CommandLine::kMisuseStatus;
    }
    tablerix::QtTranslation::InstallSpanish();  // without the catalogue Qt's dialogs stay in English
    tablerix::TForm1 form;
    // A game named on the command line takes the place of an interrupted one.
    form.KeepRecordIn(tablerix::GameJournal::DefaultFolder(), line.What != CommandLine::Action::OpenGame);
    tablerix::ProgramStart::Show(form, line);
    return app.exec();
}
