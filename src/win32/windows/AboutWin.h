#pragma once

#include "win32/platform/Window.h"

// The About window, TForm2. So far the frame alone: class, caption, client size and place,
// hidden, and hidden again when closed; the controls follow on this.
class TForm2 : public win32::Window {
public:
    explicit TForm2(HWND owner);

    void FormCreate();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
