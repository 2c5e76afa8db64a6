#pragma once

#include <QImage>
#include <QString>

// The 16 by 16 pictures of the main window's buttons: dark outlines with one
// accent colour each, on a transparent background.
class ButtonIcons {
public:
    // Names: salvar, cargar_con, cargar_sin, imprimir, nueva, acerca, salir.
    // Returns a null image for any other name.
    static QImage render(const QString& name);
};
