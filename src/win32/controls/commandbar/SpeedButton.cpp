#include "win32/controls/commandbar/SpeedButton.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "ui/TextShortening.h"
#include "win32/controls/drawing/AccessibleRole.h"
#include "win32/controls/drawing/OffscreenDc.h"
#include "win32/controls/drawing/Subclass.h"
#include "win32/controls/drawing/Tooltip.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"
#include "win32/platform/Window.h"

#include <commctrl.h>
#include <oleacc.h>

#include <string>

namespace win32::controls {

using ui::TButtonState;

namespace {

std::wstring windowText(HWND hwnd) {
    std::wstring text(std::size_t(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(std::size_t(::GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}

int textWidth(HDC dc, const std::wstring& s) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc, s.c_str(), int(s.size()), &size);
    return size.cx;
}

void ring(HDC dc, const RECT& r, const ui::FrameRing& colors) {
    drawFrameRing(dc, r, resolveColor(colors.topLeft), resolveColor(colors.bottomRight));
}

HBRUSH latchedBrush() {
    HBITMAP pattern = ::CreateBitmap(8, 8, 1, 32, nullptr);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, pattern);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ::SetPixelV(dc, x, y, resolveColor(ui::latchedPatternColor(x, y)));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    HBRUSH brush = ::CreatePatternBrush(pattern);
    ::DeleteObject(pattern);
    return brush;
}

} // namespace

HWND SpeedButton::create(HWND parent, const SpeedButtonSpec& params) {
    const std::wstring caption = text1252::toWide(params.caption);
    HWND hwnd = ::CreateWindowExW(0, L"BUTTON", caption.c_str(),
                                  WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | (params.enabled ? 0 : WS_DISABLED),
                                  0, 0, 25, 25, parent, reinterpret_cast<HMENU>(INT_PTR(params.id)),
                                  programInstance(), nullptr);
    if (!hwnd)
        throw core::Exception("Cannot create the button (system error " + std::to_string(::GetLastError()) +
                              ")");
    SpeedButton* button = nullptr;
    try {
        button = new SpeedButton(hwnd, params);
    } catch (...) {
        ::DestroyWindow(hwnd);
        throw;
    }
    subclass(hwnd, button);
    addTooltip(hwnd, params.hint);
    return hwnd;
}

SpeedButton* SpeedButton::from(HWND hwnd) {
    return subclassOwner<SpeedButton>(hwnd);
}

SpeedButton::SpeedButton(HWND hwnd, const SpeedButtonSpec& params)
    : m_hwnd(hwnd)
    , m_showCaption(params.showCaption)
    , m_fontColor(params.fontColor) {
    if (params.glyph) {
        m_glyph = GlyphBitmap(params.glyph);
        if (const int implied = ui::impliedNumGlyphs(m_glyph.width(), m_glyph.height()))
            m_numGlyphs = implied;
    }
    m_latch.setGroupIndex(params.groupIndex);
    m_latch.setAllowAllUp(params.allowAllUp);
    m_latch.setEnabled(params.enabled);
}

TButtonState SpeedButton::state() const {
    if (!::IsWindowEnabled(m_hwnd))
        return TButtonState::Disabled;
    if (m_latch.isDown())
        return TButtonState::Latched;
    const LRESULT pushed = ::SendMessageW(m_hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED;
    return pushed ? TButtonState::Pressed : TButtonState::Up;
}

void SpeedButton::setDown(bool down) {
    if (m_latch.setDown(down))
        followedByGroup();
    ::InvalidateRect(m_hwnd, nullptr, FALSE);
}

void SpeedButton::windowDestroyed() {
    delete this;
}

// The other buttons of the group on the same parent follow this one.
void SpeedButton::followedByGroup() {
    for (HWND sibling = ::GetWindow(::GetParent(m_hwnd), GW_CHILD); sibling;
         sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        SpeedButton* other = from(sibling);
        if (!other || other == this || other->groupIndex() != groupIndex())
            continue;
        other->m_latch.followGroup(m_latch);
        ::InvalidateRect(sibling, nullptr, FALSE);
    }
}

void SpeedButton::beforeClick() {
    if (!::IsWindowEnabled(m_hwnd) || !(::SendMessageW(m_hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED))
        return;
    if (m_latch.click().groupChanged)
        followedByGroup();
}

LRESULT SpeedButton::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paintWith(m_hwnd, [this](HDC dc) { paint(dc); });
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_GETOBJECT: {
        // A push button, and a toggle a check button with its state, also where the system's
        // object does not know owner-drawn buttons.
        AccessibleOverride as{ROLE_SYSTEM_PUSHBUTTON, {}};
        if (m_latch.groupIndex() != 0) {
            HWND self = m_hwnd;
            as = {ROLE_SYSTEM_CHECKBUTTON, [self] {
                      return ::SendMessageW(self, BM_GETCHECK, 0, 0) == BST_CHECKED;
                  }};
        }
        if (const auto answer = answerGetObject(m_hwnd, wParam, lParam, as))
            return *answer;
        break;
    }
    case BM_GETCHECK:
        return m_latch.isDown() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
        setDown(wParam == BST_CHECKED);
        return 0;
    case BM_CLICK:
        if (!::IsWindowEnabled(m_hwnd))
            return 0;
        break;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button takes a double click for BN_DOUBLECLICKED alone: the second
        // press is a press, so that each click of a quick pair counts.
        return passOn(m_hwnd, WM_LBUTTONDOWN, wParam, lParam);
    case WM_LBUTTONUP:
        beforeClick();
        break;
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            beforeClick();
        break;
    case WM_ENABLE:
        m_latch.setEnabled(wParam != 0);
        break;
    default:
        break;
    }
    const LRESULT result = passOn(m_hwnd, message, wParam, lParam);
    switch (message) {
    // The system draws the button itself on these (through its parent, for an owner-drawn
    // one): draw it again as this button looks.
    case BM_SETSTATE:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_LBUTTONUP:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
        ::InvalidateRect(m_hwnd, nullptr, FALSE);
        break;
    default:
        break;
    }
    return result;
}

void SpeedButton::paint(HDC target) const {
    RECT all;
    ::GetClientRect(m_hwnd, &all);
    OffscreenDc off(target, all.right, all.bottom);
    HDC dc = off.dc();
    const TButtonState state = this->state();
    fillBox(dc, 0, 0, all.right, all.bottom, resolveColor(core::clBtnFace));
    const ui::ButtonFrame frame = ui::buttonFrame(state);
    ring(dc, all, frame.outer);
    RECT inner{1, 1, all.right - 1, all.bottom - 1};
    ring(dc, inner, frame.inner);
    RECT content{2, 2, all.right - 2, all.bottom - 2};
    if (state == TButtonState::Latched) {
        HBRUSH brush = latchedBrush();
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        RECT grown{content.left - 1, content.top - 1, content.right + 1, content.bottom + 1};
        ::FillRect(dc, &grown, brush);
        ::DeleteObject(brush);
    }
    if (ui::isSunken(state))
        ::OffsetRect(&content, 1, 1);
    paintContent(dc, content, state);
    off.copyTo(target, 0, 0);
}

void SpeedButton::paintContent(HDC dc, const RECT& content, TButtonState state) const {
    const UINT dpi = dpi::forWindow(m_hwnd);
    const int glyphWidth = m_glyph.isNull() ? 0 : dpi::scale(m_glyph.width() / m_numGlyphs, dpi);
    const int glyphHeight = m_glyph.isNull() ? 0 : dpi::scale(m_glyph.height(), dpi);
    RECT client;
    ::GetClientRect(m_hwnd, &client);
    auto* font = reinterpret_cast<HFONT>(::SendMessageW(m_hwnd, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    std::wstring text;
    if (m_showCaption)
        text = ui::shortenButtonCaption(
            windowText(m_hwnd), ui::captionSpace(client.right, glyphWidth, ui::TButtonLayout::GlyphTop, 1),
            [dc](const std::wstring& s) { return textWidth(dc, s); });
    SIZE textSize{};
    if (!text.empty()) {
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        textSize = {textWidth(dc, text), metrics.tmHeight};
    }
    const ui::ButtonContent place =
        ui::placeButtonContent(content.right - content.left, content.bottom - content.top, glyphWidth,
                               glyphHeight, textSize.cx, textSize.cy, ui::TButtonLayout::GlyphTop, -1, 1);
    if (!m_glyph.isNull()) {
        const int index = ui::glyphImageIndex(state, m_numGlyphs);
        const int x = content.left + place.glyphLeft;
        const int y = content.top + place.glyphTop;
        if (index >= 0)
            m_glyph.draw(dc, x, y, m_numGlyphs, index, dpi);
        else
            m_glyph.drawEmbossed(dc, x, y, m_numGlyphs, 0, resolveColor(core::clBtnHighlight),
                                 resolveColor(core::clBtnShadow), dpi);
    }
    if (!text.empty()) {
        RECT r{content.left + place.text.left, content.top + place.text.top,
               content.left + place.text.right(), content.top + place.text.bottom()};
        const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
        ::SetBkMode(dc, TRANSPARENT);
        if (state == TButtonState::Disabled) {
            RECT shifted = r;
            ::OffsetRect(&shifted, 1, 1);
            ::SetTextColor(dc, resolveColor(core::clBtnHighlight));
            ::DrawTextW(dc, text.c_str(), int(text.size()), &shifted, flags);
            ::SetTextColor(dc, resolveColor(core::clBtnShadow));
        } else {
            ::SetTextColor(dc, resolveColor(m_fontColor));
        }
        ::DrawTextW(dc, text.c_str(), int(text.size()), &r, flags);
    }
    ::SelectObject(dc, oldFont);
}

} // namespace win32::controls
