#pragma once

#include <windows.h>

#include <string>

// The system's dialog boxes as another process shows them.
namespace wintest {

// Types the name into a common file dialog's file-name box and confirms it with OK.
void answerFileDialog(HWND dialog, const std::wstring& fileName);

struct MessageBoxShown {
    std::wstring caption;
    std::wstring text;
    bool stopIcon = false; // its icon, as on the screen, is the system's stop icon
};

// Reads a shown message box, then closes it with OK.
MessageBoxShown readMessageBox(HWND box);

} // namespace wintest
