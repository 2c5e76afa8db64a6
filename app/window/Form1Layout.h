#pragma once
// Builds TForm1's controls: creates each one as a Qt child at its place with
// its caption, items, hint, colours and font, and configures the board as the
// window's form stores it. Nothing here reacts to the user; TForm1 wires the
// handlers afterwards. UI thread only.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace tablerix {

class AppearanceImages;
struct Form1Controls;
class TmyLabel3d;

class Form1Layout {
public:
    // Colours of the form (0xBBGGRR in the form's notation).
    static inline const QColor kSilver{192, 192, 192};
    static inline const QColor kNavy{0, 0, 128};
    static inline const QColor kMaroon{128, 0, 0};
    static inline const QColor kListBackground{254, 245, 216};

    // Creates every control of the window form as its child, fills ui with
    // them and configures the board ui.ChessBrd1 with its first textures,
    // taken from images (the window's own). The file dialogs are not among
    // the controls: GameFileDialogs makes them.
    static void Build(QWidget& form, Form1Controls& ui, AppearanceImages& images);

    // The nearest installed face to the form's "MS Sans Serif" 8 point.
    static QFont DefaultFont();
    // True when the button symbols come from the "Wingdings" symbol font.
    static bool HasSymbolFont();
    // The program's icon at every size of the desktop's icon theme; the
    // window shows it once it has painted, as the menu entry does.
    static QIcon ProgramIcon();
    // The maker's name in a sunken 3-D label, as the start panel and the
    // about window show it, centred on the box (left, top, width x 16 high)
    // and widened around that centre when the face in use needs more room.
    // Owned by parent.
    static TmyLabel3d* MakerLabel(QWidget* parent, int left, int top, int width);

private:
    static void BuildHeader(QWidget& form, Form1Controls& ui);
    static void BuildBoard(QWidget& form, Form1Controls& ui);
    static void BuildRightColumn(QWidget& form, Form1Controls& ui);
    static void BuildClockPanels(QWidget& form, Form1Controls& ui);
    static void BuildBottomRow(QWidget& form, Form1Controls& ui);
    static void BuildStatusBar(QWidget& form, Form1Controls& ui);
    static void BuildStartPanel(QWidget& form, Form1Controls& ui);
    static void BuildHiddenControls(QWidget& form, Form1Controls& ui);
    static void NameControls(Form1Controls& ui);
    static void ConfigureBoard(Form1Controls& ui, AppearanceImages& images);

    static QLabel* Label(QWidget* parent, const QString& text, int left, int top, bool bold = true);
    static QComboBox* Combo(QWidget* parent, const QStringList& items, int left, int top, int width);
    static QToolButton* HeaderButton(QWidget* parent, const QString& icon, const QString& hint, int left);
    static QPushButton* SymbolButton(QWidget* parent, QChar wingding, QChar unicode, const QString& hint, int left);
    static QFrame* ClockPanel(QWidget* parent, const QString& caption, int top, const QColor& background,
                              const QColor& text, QLabel*& hours, QLabel*& minutes, QLabel*& seconds);
    static void SetColours(QWidget* widget, const QColor& background, const QColor& text);
    static QFont PixelFont(int pixels, bool bold);
};

}  // namespace tablerix
