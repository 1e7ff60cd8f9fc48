#include "win32/windows/TipWin.h"

#include "ui/TipWinDesign.h"
#include "win32/controls/drawing/Tooltip.h"
#include "win32/platform/ChildWindow.h"
#include "win32/platform/FormFrame.h"
#include "win32/platform/ResourceNames.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"
#include "win32/windows/ControlIds.h"
#include "win32/windows/DesignSpeedButton.h"

#include <chrono>
#include <optional>
#include <string>

namespace design = ui::tipwin;

namespace {

constexpr const wchar_t* kClassName = L"TForm3";
// A single fixed border, the system menu and the minimise button. Owned by the main window,
// it stays above the program's other windows.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The system's UTC time of day, the only part of the clock the generator reads.
std::chrono::system_clock::time_point systemTime() {
    using namespace std::chrono;
    SYSTEMTIME t;
    ::GetSystemTime(&t);
    const sys_days day = year_month_day(year(t.wYear), month(t.wMonth), std::chrono::day(t.wDay));
    return system_clock::time_point(day + hours(t.wHour) + minutes(t.wMinute) + seconds(t.wSecond) +
                                    milliseconds(t.wMilliseconds));
}

// Panel1's controls are the window's own children, placed over the card, so that their colour
// notifications come here.
ui::Box boxInWindow(const ui::ControlDesign& control) {
    ui::Box box = control.box;
    if (!control.parent.empty()) {
        box.left += design::Panel1.box.left;
        box.top += design::Panel1.box.top;
    }
    return box;
}

} // namespace

TForm3::TForm3(HWND owner)
    : m_generator(systemTime)
    , m_steps(*this, m_generator) {
    // The window's own icon, also in its title bar.
    const UINT dpi = win32::dpi::forWindow(owner);
    registerClass({kClassName, win32::loadProgramIcon(RES_NAME(RES_TIPICON), false, dpi),
                   win32::loadProgramIcon(RES_NAME(RES_TIPICON), true, dpi),
                   win32::systemColorBrush(core::SystemColor::BtnFace)});
    create({kClassName, win32::text1252::toWide(design::Form3.caption), kStyle, 0,
            win32::centredFrame(design::Form3.clientWidth, design::Form3.clientHeight, kStyle, 0), owner});
    m_layout = win32::DesignLayout(win32::dpi::forWindow(hwnd()));
    m_cardBrush = ::CreateSolidBrush(win32::resolveColor(design::kCardColor));
    createControls();
    m_layout.apply(m_layout.dpi());
}

TForm3::~TForm3() {
    destroy();
    if (m_icon)
        ::DestroyIcon(m_icon);
    if (m_cardBrush)
        ::DeleteObject(m_cardBrush);
}

void TForm3::createControls() {
    // The card first, at the bottom of the order, clipped by the controls over it.
    Panel1 = createChild(design::Panel1, win32::ids::Tip_Panel1, L"STATIC", WS_BORDER | WS_CLIPSIBLINGS);
    Image1 = createChild(design::Image1, win32::ids::Tip_Image1, L"STATIC", SS_ICON | SS_REALSIZEIMAGE);
    Label1 = createChild(design::Label1, win32::ids::Tip_Label1, L"STATIC", SS_LEFT | SS_NOPREFIX);
    Tips = createChild(design::Tips, win32::ids::Tip_Tips, L"EDIT", ES_MULTILINE | ES_READONLY);
    SpeedButton2 =
        win32::createDesignSpeedButton(hwnd(), m_layout, design::SpeedButton2, win32::ids::Tip_SpeedButton2);
    SpeedButton1 =
        win32::createDesignSpeedButton(hwnd(), m_layout, design::SpeedButton1, win32::ids::Tip_SpeedButton1);
    TipCheckBox = createChild(design::TipCheckBox, win32::ids::Tip_TipCheckBox, L"BUTTON", BS_AUTOCHECKBOX);
    win32::controls::addTooltip(TipCheckBox, design::TipCheckBox.hint);
}

HWND TForm3::createChild(const ui::ControlDesign& control, int id, const wchar_t* windowClass, DWORD style) {
    const HWND child = win32::createDesignChild(hwnd(), control, id, windowClass, style);
    // A control without a font family of its own keeps the system's.
    m_layout.add(child, boxInWindow(control),
                 control.font.family.empty() ? std::nullopt : std::optional(control.font));
    return child;
}

void TForm3::FormCreate() {
    m_steps.FormCreate();
}

void TForm3::FormDestroy() {
    m_steps.FormDestroy();
}

void TForm3::showFromCommand() {
    m_steps.showFromCommand();
}

void TForm3::SpeedButton1Click() {
    m_steps.hide();
}

void TForm3::SpeedButton2Click() {
    m_steps.nextTip();
}

// The card's controls on the card's colour, black; the check box on the button face.
LRESULT TForm3::controlColors(HDC dc, HWND control) {
    ::SetTextColor(dc, win32::resolveColor(core::clBlack));
    if (control == TipCheckBox) {
        ::SetBkColor(dc, win32::resolveColor(core::clBtnFace));
        return reinterpret_cast<LRESULT>(win32::systemColorBrush(core::SystemColor::BtnFace));
    }
    ::SetBkColor(dc, win32::resolveColor(design::kCardColor));
    return reinterpret_cast<LRESULT>(m_cardBrush);
}

LRESULT TForm3::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == win32::ids::Tip_SpeedButton2)
            SpeedButton2Click();
        else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == win32::ids::Tip_SpeedButton1)
            SpeedButton1Click();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return controlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        ::ShowWindow(hwnd(), SW_HIDE); // created once; closing only hides it
        return 0;
    case WM_DPICHANGED: {
        win32::followDpiChange(hwnd(), design::Form3.clientWidth, design::Form3.clientHeight, wParam, lParam);
        m_layout.apply(HIWORD(wParam));
        return 0;
    }
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

// --- The view the shared steps work through -----------------------------------------------

bool TForm3::hideTipChecked() const {
    return ::SendMessageW(TipCheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TForm3::setHideTipChecked(bool checked) {
    ::SendMessageW(TipCheckBox, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TForm3::setFormVisible(bool visible) {
    ::ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE);
}

void TForm3::showInFront() {
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
}

void TForm3::showTip(std::string_view tip) {
    win32::text1252::setWindowText(Tips, tip);
}

void TForm3::showOwnIcon() {
    if (!m_icon)
        m_icon = win32::loadProgramIcon(RES_NAME(RES_TIPICON), false, m_layout.dpi());
    ::SendMessageW(Image1, STM_SETICON, reinterpret_cast<WPARAM>(m_icon), 0);
}
