#pragma once

#include "ui/ControlDesign.h"

// A top-level window as data: what each front end builds the window itself from.
namespace ui {

// The window's frame.
enum class FormBorder {
    Sizeable, // a resizable frame
    Single,   // a fixed single border
    Dialog,   // a fixed dialog border
};

struct FormDesign {
    std::string_view className{}; // the registered window class ("TForm3")
    std::string_view name{};      // the window's name in the program's design ("Form3")
    std::string_view caption{};
    int clientWidth = 0; // the client area in pixels at 96 dots per inch
    int clientHeight = 0;
    FontDesign font{}; // the window's default font: its controls take it unless they set their own
    core::TColor color = core::clBtnFace;
    FormBorder border = FormBorder::Sizeable;
    bool minimizeBox = true;
    bool maximizeBox = true;
    bool staysOnTop = false; // above the program's other windows, not above every window
};

} // namespace ui
