#pragma once
// The program's start once its command line is understood: shows the main
// window and, when a game was named, loads it as soon as the window has
// painted, so that the load's messages stand over the window. main() and the
// tests run the same steps. User-interface thread only.

#include "CommandLine.h"

#include <QObject>
#include <QString>

namespace tablerix {

class TForm1;

class ProgramStart : public QObject {
    Q_OBJECT
public:
    // Shows form; for CommandLine::Action::OpenGame, queues the load of the
    // game after the window's first paint. form must outlive the event loop
    // run that follows; the queued load dies with it.
    static void Show(TForm1& form, const CommandLine& line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramStart(TForm1& form, QString path);

    TForm1& form_;
    QString path_;
};

}  // namespace tablerix
