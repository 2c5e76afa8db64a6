// The yardstick for the program's launch: a bare window of the main window's
// client size, title and silver background, centred and shown. Whatever the
// program takes beyond this is its own start-up cost. With --with-text it also
// shows one line of text in the form's font, the least any window with words
// on it pays for loading fonts. With --with-clock that line is the time of
// day, redrawn by a one-second timer: the least a window with a running clock
// wakes up (bench/wakeups.sh measures both).
#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" Tablerix 1.0"));
    window.setFixedSize(680, 478);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    const QStringList args = QApplication::arguments();
    const bool clock = args.contains(QStringLiteral("--with-clock"));
    QTimer tick;
    if (clock || args.contains(QStringLiteral("--with-text"))) {
        // The form's font, written out rather than linked from the window's
        // code: the yardstick must load nothing of the program.
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        font.setPixelSize(11);
        auto* label = new QLabel(QStringLiteral("Programa de Ajedrez"), &window);
        label->setFont(font);
        label->setGeometry(8, 8, 200, 16);
        if (clock) {
            QObject::connect(&tick, &QTimer::timeout, label,
                             [label] { label->setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))); });
            tick.start(1000);
        }
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
    return app.exec();
}
