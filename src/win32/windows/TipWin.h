#pragma once

#include "win32/platform/Window.h"

// The Tip of the Day window, TForm3. So far the frame alone: class, caption, client size and
// place, above its owner, hidden, and hidden again when closed; the controls, the tips and the
// stored "Hide Tip on Startup" flag follow on this.
class TForm3 : public win32::Window {
public:
    explicit TForm3(HWND owner);

    void FormCreate();
    void FormDestroy();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};
