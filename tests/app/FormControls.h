#pragma once
// The main window's controls as tests reach them: by their form name, the
// way outside tools find them. A missing control, or one of another type,
// fails the running test at once. UI thread only.

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tablerix {

// The child of form named name, of type T (a pointer into the window, not
// owned). Fails the test and throws when there is none, so no caller goes
// on with a null control.
template <class T>
T* Control(const QObject& form, const char* name) {
    T* control = form.findChild<T*>(QLatin1StringView(name));
    if (!control) {
        ADD_FAILURE() << "no control named " << name << " of the expected type";
        throw std::runtime_error(std::string("missing control ") + name);
    }
    return control;
}

}  // namespace tablerix
