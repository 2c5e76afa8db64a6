#include "ProgramStart.h"

#include "TablerixPas.h"

#include <QEvent>
#include <QTimer>

#include <utility>

namespace tablerix {

void ProgramStart::Show(TForm1& form, const CommandLine& line) {
    // A child of the window: it goes with the window if the game is never loaded.
    if (line.What == CommandLine::Action::OpenGame) form.installEventFilter(new ProgramStart(form, line.GamePath));
    form.show();
}

ProgramStart::ProgramStart(TForm1& form, QString path) : QObject(&form), form_(form), path_(std::move(path)) {}

bool ProgramStart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Paint) {
        form_.removeEventFilter(this);
        // Queued: this paint completes and reaches the screen before the
        // load's first message box takes over the event loop.
        QTimer::singleShot(0, &form_, [form = &form_, path = path_] { form->OpenGameFile(path); });
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tablerix
