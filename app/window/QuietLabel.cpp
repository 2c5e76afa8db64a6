#include "QuietLabel.h"

namespace tablerix {

QuietLabel::QuietLabel(const QString& text, const QString& name, QWidget* parent) : QLabel(text, parent) {
    // A name of its own keeps QLabel::setText from sending an event.
    setAccessibleName(name);
}

}  // namespace tablerix
