#pragma once
// QuietLabel: a label whose text changes often (the status bar's time and
// date). A screen reader reads its text when it asks and is sent no event
// at each change: the window's accessibility factory gives it a
// StatusLineAccessible. UI thread only.

#include <QLabel>

namespace tablerix {

class QuietLabel : public QLabel {
    Q_OBJECT
public:
    // name: what the label is, its fixed accessible name ("Hora").
    QuietLabel(const QString& text, const QString& name, QWidget* parent = nullptr);
    ~QuietLabel() override = default;
};

}  // namespace tablerix
