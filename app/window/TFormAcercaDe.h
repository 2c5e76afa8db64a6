#pragma once
// TFormAcercaDe: the small modal about window with the program's name,
// version and maker, a web address and a mail address that open in the
// desktop's browser and mail program, and "Aceptar" to close it.
// Ownership: its controls are Qt children. The caller creates it for one
// showing and destroys it afterwards. User-interface thread only.

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace tablerix {

class THilightLabel;
class TmyLabel3d;

class TFormAcercaDe : public QDialog {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral(" Tablerix   Acerca de....");
    static inline const QString kWebAddress = QStringLiteral("https://tablerix.example.org");
    static inline const QString kMailAddress = QStringLiteral("tablerix@example.org");

    explicit TFormAcercaDe(QWidget* parent = nullptr);
    ~TFormAcercaDe() override = default;

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TmyLabel3d* myLabel3d2 = nullptr;
    THilightLabel* HWeb = nullptr;
    THilightLabel* HCorreo = nullptr;
    QPushButton* BOkDatos = nullptr;

    // Hands an address to the desktop; its answer is ignored. Replaceable
    // (tests); by default the desktop's handler for the address's scheme.
    std::function<bool(const QUrl&)> OpenAddress;

    void FormCreate() {}
    void HWebClick();      // opens the web address
    void HCorreoClick();   // opens "mailto:" and the mail address
    void BOkDatosClick();  // closes the window

protected:
    void showEvent(QShowEvent* event) override;  // centred on the screen
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceAddress(THilightLabel* label, int left, int top, int width);
};

}  // namespace tablerix
