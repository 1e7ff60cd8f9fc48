#include "win32/windows/AboutWin.h"

#include "ui/AboutWinDesign.h"
#include "win32/platform/ChildWindow.h"
#include "win32/platform/FormFrame.h"
#include "win32/platform/ResourceNames.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"
#include "win32/windows/ControlIds.h"
#include "win32/windows/DesignSpeedButton.h"

#include <algorithm>
#include <optional>
#include <string>

namespace design = ui::aboutwin;

namespace {

constexpr const wchar_t* kClassName = L"TForm2";
// A dialog border; in the title bar only the close button.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// "Label6" is LabelN with N = 6.
int labelId(const ui::ControlDesign& label) {
    return win32::ids::aboutLabel(std::stoi(std::string(label.name.substr(5))));
}

// A label that is not of fixed size grows to show its whole text in its font.
void growToText(HWND label) {
    const std::wstring text = win32::text1252::toWide(win32::text1252::windowText(label));
    HDC dc = ::GetDC(label);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(label, dc);
    RECT box;
    ::GetClientRect(label, &box);
    if (extent.cx > box.right || extent.cy > box.bottom)
        ::SetWindowPos(label, nullptr, 0, 0, std::max<LONG>(box.right, extent.cx),
                       std::max<LONG>(box.bottom, extent.cy), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TForm2::TForm2(HWND owner, HWND mainWindow)
    : m_mainWindow(mainWindow) {
    registerClass({kClassName, nullptr, nullptr, win32::systemColorBrush(core::SystemColor::BtnFace)});
    create({kClassName, win32::text1252::toWide(design::Form2.caption), kStyle, kExStyle,
            win32::centredFrame(design::Form2.clientWidth, design::Form2.clientHeight, kStyle, kExStyle),
            owner});
    m_layout = win32::DesignLayout(win32::dpi::forWindow(hwnd()));
    createControls();
    applyDpi(m_layout.dpi());
}

void TForm2::applyDpi(UINT dpi) {
    m_layout.apply(dpi);
    for (const auto& [label, labelDesign] : m_labels)
        if (labelDesign->autoSize)
            growToText(label);
}

TForm2::~TForm2() {
    URLLabel1.reset();
    URLLabel2.reset();
    destroy();
    if (m_icon)
        ::DestroyIcon(m_icon);
}

void TForm2::createControls() {
    Image1 = createChild(design::Image1, win32::ids::About_Image1, L"STATIC", SS_ICON | SS_REALSIZEIMAGE);
    for (const ui::ControlDesign* label : design::kLabels) {
        const DWORD align = label->alignment == ui::TextAlignment::Centre ? SS_CENTER : SS_LEFT;
        m_labels.emplace_back(createChild(*label, labelId(*label), L"STATIC", align | SS_NOPREFIX), label);
    }
    URLLabel1 = createLink(design::URLLabel1, win32::ids::About_URLLabel1, design::URLLabel1Target());
    URLLabel2 = createLink(design::URLLabel2, win32::ids::About_URLLabel2, design::URLLabel2Target);
    SpeedButton1 = win32::createDesignSpeedButton(hwnd(), m_layout, design::SpeedButton1,
                                                  win32::ids::About_SpeedButton1);
}

HWND TForm2::createChild(const ui::ControlDesign& control, int id, const wchar_t* windowClass, DWORD style) {
    const HWND child = win32::createDesignChild(hwnd(), control, id, windowClass, style);
    // A control without a font family of its own keeps the system's.
    m_layout.add(child, control.box,
                 control.font.family.empty() ? std::nullopt : std::optional(control.font));
    return child;
}

// A pointer move over a link turns it red; the link's own rules turn it blue again.
std::unique_ptr<win32::controls::LinkLabel> TForm2::createLink(const ui::ControlDesign& control, int id,
                                                               std::string_view target) {
    auto link =
        std::make_unique<win32::controls::LinkLabel>(hwnd(), id, control.caption, target, control.hint);
    m_layout.add(link->hwnd(), control.box, control.font);
    link->OnMouseMove = [l = link.get()] {
        l->setFontColor(design::kLinkHoverColor);
    };
    return link;
}

void TForm2::FormCreate() {
    if (!m_icon) {
        const auto mainIcon = reinterpret_cast<HICON>(::GetClassLongPtrW(m_mainWindow, GCLP_HICON));
        m_icon = mainIcon ? ::CopyIcon(mainIcon)
                          : win32::loadProgramIcon(RES_NAME(RES_MAINICON), false, m_layout.dpi());
    }
    ::SendMessageW(Image1, STM_SETICON, reinterpret_cast<WPARAM>(m_icon), 0);
}

void TForm2::SpeedButton1Click() {
    ::ShowWindow(hwnd(), SW_HIDE);
}

// Labels are transparent on the button face, each in its design's colour.
LRESULT TForm2::controlColors(HDC dc, HWND control) {
    core::TColor color = core::clWindowText;
    for (const auto& [label, labelDesign] : m_labels)
        if (label == control)
            color = labelDesign->font.color;
    ::SetTextColor(dc, win32::resolveColor(color));
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(win32::systemColorBrush(core::SystemColor::BtnFace));
}

LRESULT TForm2::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == win32::ids::About_SpeedButton1)
            SpeedButton1Click();
        return 0;
    case WM_CTLCOLORSTATIC:
        return controlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        ::ShowWindow(hwnd(), SW_HIDE); // created once; closing only hides it
        return 0;
    case WM_DPICHANGED: {
        win32::followDpiChange(hwnd(), design::Form2.clientWidth, design::Form2.clientHeight, wParam, lParam);
        applyDpi(HIWORD(wParam));
        return 0;
    }
    default:
        return defaultHandling(message, wParam, lParam);
    }
}
