// Tablerix: a desktop chess program. Starts the main window and runs the
// message loop until that window is closed.
#include "Form1Layout.h"
#include "TablerixPas.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablerix 1.0"));
    QApplication::setFont(tablerix::Form1Layout::DefaultFont());  // message boxes too
    tablerix::TForm1 form;
    form.show();
    return app.exec();
}
