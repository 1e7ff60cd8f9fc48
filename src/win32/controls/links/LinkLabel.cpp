#include "win32/controls/links/LinkLabel.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "win32/controls/drawing/AccessibleRole.h"
#include "win32/controls/drawing/Subclass.h"
#include "win32/controls/drawing/Tooltip.h"
#include "win32/platform/LateBound.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"
#include "win32/platform/Window.h"

#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>
#include <windowsx.h>

namespace win32::controls {

namespace {
std::wstring windowText(HWND hwnd) {
    std::wstring text(std::size_t(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(std::size_t(::GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}
} // namespace

LinkLabel::LinkLabel(HWND parent, int id, std::string_view caption, std::string_view target,
                     std::string_view hint)
    : m_target(text1252::toWide(target)) {
    const std::wstring text = text1252::toWide(caption);
    m_hwnd = ::CreateWindowExW(WS_EX_TRANSPARENT, L"STATIC", text.c_str(),
                               WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_LEFT, 0, 0, 100, 15, parent,
                               reinterpret_cast<HMENU>(INT_PTR(id)), programInstance(), nullptr);
    if (!m_hwnd)
        throw core::Exception("Cannot create the link (system error " + std::to_string(::GetLastError()) +
                              ")");
    subclass(m_hwnd, this);
    addTooltip(m_hwnd, hint);
}

LinkLabel::~LinkLabel() {
    if (::IsWindow(m_hwnd)) {
        unsubclass<LinkLabel>(m_hwnd);
        ::DestroyWindow(m_hwnd);
    }
}

std::wstring LinkLabel::target() const {
    return m_target.empty() ? windowText(m_hwnd) : m_target;
}

void LinkLabel::setFontColor(core::TColor color) {
    if (color == m_color)
        return;
    m_color = color;
    ::InvalidateRect(m_hwnd, nullptr, TRUE);
}

RECT LinkLabel::textArea() const {
    HDC dc = ::GetDC(m_hwnd);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    const std::wstring text = windowText(m_hwnd);
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hwnd, dc);
    return r;
}

// Bounds inclusive: a release one pixel right of or below the text still counts.
bool LinkLabel::overText(LPARAM clientPoint) const {
    const RECT r = textArea();
    const int x = GET_X_LPARAM(clientPoint);
    const int y = GET_Y_LPARAM(clientPoint);
    return x >= 0 && y >= 0 && x <= r.right && y <= r.bottom;
}

LRESULT LinkLabel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ScreenToClient(m_hwnd, &p);
        const RECT r = textArea();
        // The blank rest of the box belongs to what lies beneath.
        if (!m_pressed && (p.x < 0 || p.y < 0 || p.x >= r.right || p.y >= r.bottom))
            return HTTRANSPARENT;
        return HTCLIENT;
    }
    case WM_GETOBJECT:
        if (const auto answer = answerGetObject(m_hwnd, wParam, lParam, {ROLE_SYSTEM_LINK, {}}))
            return *answer;
        return passOn(m_hwnd, message, wParam, lParam);
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_PAINT:
        return paintWith(m_hwnd, [this](HDC dc) { paint(dc); });
    case WM_MOUSEMOVE:
        if (!m_hovering) {
            m_hovering = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hwnd, 0};
            ::TrackMouseEvent(&track);
            setFontColor(m_pressed ? colorClick : colorMoveOver);
        }
        if (OnMouseMove)
            OnMouseMove();
        return 0;
    case WM_MOUSELEAVE:
        m_hovering = false;
        setFontColor(colorNormal);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        m_pressed = true;
        ::SetCapture(m_hwnd);
        setFontColor(colorClick);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const bool wasPressed = m_pressed;
        m_pressed = false;
        if (::GetCapture() == m_hwnd)
            ::ReleaseCapture();
        if (!overText(lParam)) {
            setFontColor(colorNormal);
            return 0;
        }
        if (wasPressed) {
            // The outcome is not examined: without a program for the target nothing happens.
            const std::wstring what = target();
            static const auto shellExecute =
                lateBound<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
            if (shellExecute)
                shellExecute(::GetAncestor(m_hwnd, GA_ROOT), L"open", what.c_str(), nullptr, nullptr,
                             SW_SHOW);
            setFontColor(colorMoveOver);
        }
        return 0;
    }
    default:
        return passOn(m_hwnd, message, wParam, lParam);
    }
}

void LinkLabel::paint(HDC dc) const {
    RECT r;
    ::GetClientRect(m_hwnd, &r);
    // The parent's background first: the label is transparent.
    HBRUSH background = reinterpret_cast<HBRUSH>(::SendMessageW(::GetParent(m_hwnd), WM_CTLCOLORSTATIC,
                                                                reinterpret_cast<WPARAM>(dc),
                                                                reinterpret_cast<LPARAM>(m_hwnd)));
    ::FillRect(dc, &r, background ? background : systemColorBrush(core::SystemColor::BtnFace));
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, resolveColor(m_color));
    const std::wstring text = windowText(m_hwnd);
    ::DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    ::SelectObject(dc, old);
}

} // namespace win32::controls
