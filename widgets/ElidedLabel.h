#pragma once
// ElidedLabel: a one-line QLabel for a file path longer than its place.
// text(), setText() and clear() are the QLabel's own and keep the whole
// path; only the painting leaves out the middle ("/home/…/Partida.Chess"),
// keeping the file name whole while it fits. The whole path shows as the
// tooltip. Elided anew at each paint, so a resize needs nothing more.
// User-interface thread only.

#include <QLabel>

namespace tablerix {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);
    ~ElidedLabel() override = default;

    // The text as it is painted in `width` pixels with the label's font.
    QString ElidedText(int width) const;
    // The text as it is painted now.
    QString ShownText() const;

    // Small: the text gives way rather than the label growing.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;  // the tooltip: the whole text

private:
    QRect TextRect() const;
};

}  // namespace tablerix
