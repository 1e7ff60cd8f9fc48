#pragma once

#include "ui/TipGenerator.h"
#include "ui/TipOfTheDay.h"
#include "ui/TipView.h"
#include "win32/platform/DesignLayout.h"
#include "win32/platform/Window.h"

namespace ui {
struct ControlDesign;
}

// The Tip of the Day window, TForm3: a tip on a pale yellow card, "Next Tip", "OK" and the
// "Hide Tip on Startup" check box, laid out from the shared design and run by the shared steps.
// Owned by the main window, it stays above the program's other windows; closing it hides it.
class TForm3 : public win32::Window, private ui::TipView {
public:
    explicit TForm3(HWND owner);
    ~TForm3() override;

    void FormCreate();
    void FormDestroy();
    // The main window's "Tip of the Day".
    void showFromCommand();
    void SpeedButton1Click(); // "OK"
    void SpeedButton2Click(); // "Next Tip"

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    HWND createChild(const ui::ControlDesign& control, int id, const wchar_t* windowClass, DWORD style);
    LRESULT controlColors(HDC dc, HWND control);

    bool hideTipChecked() const override;
    void setHideTipChecked(bool checked) override;
    void setFormVisible(bool visible) override;
    void showInFront() override;
    void showTip(std::string_view tip) override;
    void showOwnIcon() override;

    win32::DesignLayout m_layout;
    ui::TipGenerator m_generator;
    ui::TipOfTheDay m_steps;
    HBRUSH m_cardBrush = nullptr;
    HICON m_icon = nullptr;

    HWND Panel1 = nullptr;
    HWND Image1 = nullptr;
    HWND Label1 = nullptr;
    HWND Tips = nullptr;
    HWND SpeedButton2 = nullptr;
    HWND SpeedButton1 = nullptr;
    HWND TipCheckBox = nullptr;
};
