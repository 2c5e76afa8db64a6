#pragma once
// The main window's controls as tests reach them: by their form name, the
// way outside tools find them. A missing control, or one of another type,
// fails the running test at once. UI thread only.

#include "Blinklbl.h"
#include "ElidedLabel.h"
#include "Mylabel.h"
#include "TChessBrd.h"
#include "TNotesEdit.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <array>
#include <stdexcept>
#include <string>

namespace tablerix {

// The child of form named name, of type T (a pointer into the window, not
// owned). Fails the test and throws when there is none, so no caller goes
// on with a null control.
template <class T>
T* Control(const QObject& form, const QString& name) {
    T* control = form.findChild<T*>(name);
    if (!control) {
        ADD_FAILURE() << "no control named " << name.toStdString() << " of the expected type";
        throw std::runtime_error("missing control " + name.toStdString());
    }
    return control;
}

// The save or open dialog, "Save" or "Open". The window makes both just
// after its first paint (or when a command first needs one): a window that
// has neither is shown and given the time to paint.
inline QFileDialog* FileDialog(QWidget& form, const QString& name) {
    if (!form.findChild<QFileDialog*>(name)) {
        form.show();
        // Control below reports one that never comes.
        static_cast<void>(QTest::qWaitFor([&] { return form.findChild<QFileDialog*>(name) != nullptr; }));
    }
    return Control<QFileDialog>(form, name);
}

// The texts of the nine clock labels: White's, Black's and the game's
// hours, minutes and seconds, as a game file keeps them.
inline QStringList ClockLabelTexts(const QObject& form) {
    QStringList texts;
    for (const char* name : {"LBHor", "LBMin", "LBSeg", "LNHor", "LNMin", "LNSeg", "LPHor", "LPMin", "LPseg"})
        texts << Control<QLabel>(form, name)->text();
    return texts;
}

// The indexes of the six choice lists in a game file's order: Black's
// player, difficulty, pieces, dark and light squares, lines.
inline std::array<int, 6> ChoiceIndexes(const QObject& form) {
    std::array<int, 6> indexes{};
    std::size_t k = 0;
    for (const char* name :
         {"ComboJugadores", "ComboDificultad", "ComboPiezas", "ComboOscuro", "ComboClaro", "ComboBorde"})
        indexes[k++] = Control<QComboBox>(form, name)->currentIndex();
    return indexes;
}

// The window's board, ChessBrd1.
inline TChessBrd* Board(const QObject& form) { return Control<TChessBrd>(form, "ChessBrd1"); }

}  // namespace tablerix
