#pragma once
// The program's message boxes: modal, OK button only (a question: yes and
// no), no icon, with the
// product's information or error caption. UI thread only.

#include <QString>

class QWidget;

namespace tablerix {

class TablerixMessage {
public:
    static inline const QString kAvisoCaption = QStringLiteral("Tablerix  Aviso");
    static inline const QString kErrorCaption = QStringLiteral("Tablerix  Error");

    // Shows text (leading blanks kept) and returns when the user closes it.
    static void Aviso(QWidget* parent, const QString& text);
    static void Error(QWidget* parent, const QString& text);
    // Asks text with "Sí" and "No" (Return: yes, Escape: no); true for yes.
    static bool Question(QWidget* parent, const QString& text);

private:
    static void Show(QWidget* parent, const QString& caption, const QString& text);
};

}  // namespace tablerix
