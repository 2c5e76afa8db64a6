#pragma once
// What the main window offers a screen reader and a keyboard user: the
// accessible names of its lists, fields and clocks, the labels tied to
// their lists, the Tab order, and the accessibility factory that keeps
// hidden controls out of the tree and makes each clock one object.
// UI thread only.

class QWidget;

namespace tablerix {

struct Form1Controls;

class WindowAccessibility {
public:
    // Installs the factory for the window's containers and clocks; only
    // the first call does anything. Call before any accessible interface
    // of the window is made.
    static void InstallFactory();
    // Names the lists, fields, clocks and status line of ui (after their
    // objectNames are set, which the factory reads), ties each list to its
    // label and chains the Tab order in reading order (the board after the
    // choice lists). ui: the window's controls, already built.
    static void Describe(Form1Controls& ui);
};

}  // namespace tablerix
