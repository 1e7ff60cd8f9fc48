#pragma once

#include "win32/platform/Window.h"

// The main window, TForm1. So far the frame alone: its class, caption, client size, icon and
// place; the controls and handlers follow on this.
class TForm1 : public win32::Window {
public:
    TForm1();

    void FormCreate();
    void FormDestroy();
    void show();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
