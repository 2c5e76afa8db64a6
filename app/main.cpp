// Tablerix: a desktop chess program.
#include "TChessBrd.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tablerix 1.0"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral(" Tablerix 1.0"));
    auto* board = new tablerix::TChessBrd(&window);  // owned by the window
    window.setCentralWidget(board);
    window.resize(368, 368);
    window.show();
    return app.exec();
}
