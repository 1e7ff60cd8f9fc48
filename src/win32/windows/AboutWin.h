#pragma once

#include "win32/controls/links/LinkLabel.h"
#include "win32/platform/DesignLayout.h"
#include "win32/platform/Window.h"

#include <memory>
#include <utility>
#include <vector>

namespace ui {
struct ControlDesign;
}

// The About window, TForm2: name and version, the credits, an e-mail link and a web link, laid
// out from the shared design. Created once at start-up and hidden; "OK" and closing hide it.
class TForm2 : public win32::Window {
public:
    // `mainWindow` gives Image1 its icon.
    TForm2(HWND owner, HWND mainWindow);
    ~TForm2() override;

    // Copies the main window's icon into Image1.
    void FormCreate();
    void SpeedButton1Click(); // "OK"

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void applyDpi(UINT dpi);
    HWND createChild(const ui::ControlDesign& control, int id, const wchar_t* windowClass, DWORD style);
    std::unique_ptr<win32::controls::LinkLabel> createLink(const ui::ControlDesign& control, int id,
                                                           std::string_view target);
    LRESULT controlColors(HDC dc, HWND control);

    HWND m_mainWindow;
    win32::DesignLayout m_layout;
    HICON m_icon = nullptr;
    // Each label's window and its design, for its text colour.
    std::vector<std::pair<HWND, const ui::ControlDesign*>> m_labels;

    HWND Image1 = nullptr;
    std::unique_ptr<win32::controls::LinkLabel> URLLabel1;
    std::unique_ptr<win32::controls::LinkLabel> URLLabel2;
    HWND SpeedButton1 = nullptr;
};
