#include "win32/controls/caption/GradientCaption.h"

#include "core/Boundary.h"
#include "ui/GradientBands.h"
#include "ui/TextShortening.h"
#include "win32/controls/drawing/OffscreenDc.h"
#include "win32/controls/drawing/Subclass.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"

#include <commctrl.h>

namespace win32::controls {

namespace {

core::TColor plain(COLORREF c) {
    return core::rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

bool gradientCaptionsOn() {
    BOOL on = FALSE;
    return ::SystemParametersInfoW(SPI_GETGRADIENTCAPTIONS, 0, &on, 0) && on;
}

HFONT captionFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return ::CreateFontIndirectW(&metrics.lfCaptionFont);
    // "MS Sans Serif" 8 pt bold.
    return ::CreateFontW(-dpi::scale(11, dpi), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                         0, 0, L"MS Sans Serif");
}

} // namespace

GradientCaption::GradientCaption(HWND form, std::string_view caption, ui::TFormBorderStyle style,
                                 ui::TBorderIcons icons)
    : m_form(form)
    , m_caption(text1252::toWide(caption))
    , m_style(style)
    , m_icons(icons)
    , m_active(::GetActiveWindow() == form) {
    subclass(m_form, this);
    repaint();
}

GradientCaption::~GradientCaption() {
    if (::IsWindow(m_form)) {
        unsubclass<GradientCaption>(m_form);
        ::SetWindowPos(m_form, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

ui::FrameMetrics GradientCaption::frameMetrics() const {
    const UINT d = dpi::forWindow(m_form);
    ui::FrameMetrics m;
    m.frameWidth = dpi::systemMetric(SM_CXFRAME, d);
    m.frameHeight = dpi::systemMetric(SM_CYFRAME, d);
    m.dialogFrameWidth = dpi::systemMetric(SM_CXDLGFRAME, d);
    m.dialogFrameHeight = dpi::systemMetric(SM_CYDLGFRAME, d);
    // The caption row and the one-pixel line below it.
    m.captionHeight = dpi::systemMetric(SM_CYCAPTION, d);
    m.smallCaptionHeight = dpi::systemMetric(SM_CYSMCAPTION, d);
    m.captionButtonWidth = dpi::systemMetric(SM_CXSIZE, d);
    m.smallCaptionButtonWidth = dpi::systemMetric(SM_CXSMSIZE, d);
    m.smallIconWidth = dpi::systemMetric(SM_CXSMICON, d);
    m.smallIconHeight = dpi::systemMetric(SM_CYSMICON, d);
    return m;
}

ui::CaptionGeometry GradientCaption::geometry() const {
    RECT window;
    ::GetWindowRect(m_form, &window);
    return ui::captionGeometry(window.right - window.left, window.bottom - window.top, m_style, m_icons,
                               frameMetrics());
}

RECT GradientCaption::stripRect() const {
    const ui::Box strip = geometry().strip;
    return {strip.left, strip.top, strip.right(), strip.bottom()};
}

void GradientCaption::repaint() {
    if (!::IsWindowVisible(m_form))
        return;
    HDC dc = ::GetWindowDC(m_form);
    drawStrip(dc);
    ::ReleaseDC(m_form, dc);
}

LRESULT GradientCaption::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCPAINT: {
        // The region is in screen coordinates; 1 means the whole frame.
        RECT window;
        ::GetWindowRect(m_form, &window);
        RECT strip = stripRect();
        ::OffsetRect(&strip, window.left, window.top);
        HRGN frame = wParam == 1 ? ::CreateRectRgnIndirect(&window) : ::CreateRectRgn(0, 0, 0, 0);
        if (wParam != 1)
            ::CombineRgn(frame, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
        HRGN cut = ::CreateRectRgnIndirect(&strip);
        ::CombineRgn(frame, frame, cut, RGN_DIFF);
        ::DeleteObject(cut);
        const LRESULT result = passOn(m_form, message, reinterpret_cast<WPARAM>(frame), lParam);
        ::DeleteObject(frame);
        repaint();
        return result;
    }
    case WM_NCACTIVATE: {
        m_active = wParam != 0;
        const LRESULT result = passOn(m_form, message, wParam, lParam);
        repaint();
        return result;
    }
    case WM_SETTEXT:
    case WM_SETICON:
    case WM_DPICHANGED:
    case WM_SETTINGCHANGE: {
        const LRESULT result = passOn(m_form, message, wParam, lParam);
        repaint();
        return result;
    }
    default:
        return passOn(m_form, message, wParam, lParam);
    }
}

void GradientCaption::drawStrip(HDC windowDc) const {
    const ui::CaptionGeometry g = geometry();
    if (g.strip.width <= 0 || g.strip.height <= 0)
        return;
    const int width = g.strip.width;
    const int height = g.strip.height;
    OffscreenDc off(windowDc, width, height);
    HDC dc = off.dc();

    const bool gradient = gradientCaptionsOn();
    const int endIndex = gradient ? (m_active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION)
                                  : (m_active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF end = ::GetSysColor(endIndex);
    if (m_active ? gradientActive : gradientInactive) {
        for (const ui::GradientBand& band :
             ui::gradientBands(ui::gradientBox(width, height), plain(resolveColor(startColor)), plain(end),
                               gradientSteps & 0xFF))
            fillBox(dc, band.box.left, band.box.top, band.box.width, band.box.height,
                    RGB(core::redOf(band.color), core::greenOf(band.color), core::blueOf(band.color)));
    } else {
        fillBox(dc, 0, 0, width, height, end);
    }

    if (g.drawsIcon) {
        const ui::Box box = ui::captionIconBox(height, frameMetrics());
        auto icon = reinterpret_cast<HICON>(::SendMessageW(m_form, WM_GETICON, ICON_SMALL2, 0));
        if (!icon)
            icon = reinterpret_cast<HICON>(::GetClassLongPtrW(m_form, GCLP_HICONSM));
        if (!icon)
            icon = ::LoadIconW(nullptr, IDI_APPLICATION);
        ::DrawIconEx(dc, box.left, box.top, icon, box.width, box.height, 0, nullptr, DI_NORMAL);
    }

    if (!m_caption.empty()) {
        const int left = ui::captionTextLeft(height, g.drawsIcon);
        HFONT font = captionFont(dpi::forWindow(m_form));
        HGDIOBJ old = ::SelectObject(dc, font);
        const std::wstring text = ui::shortenText(m_caption, width - left, [dc](const std::wstring& s) {
            SIZE size{};
            ::GetTextExtentPoint32W(dc, s.c_str(), int(s.size()), &size);
            return int(size.cx);
        });
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(m_active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        RECT r{left, 0, width, height};
        ::DrawTextW(dc, text.c_str(), int(text.size()), &r,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
        ::SelectObject(dc, old);
        ::DeleteObject(font);
    }
    off.copyTo(windowDc, g.strip.left, g.strip.top);
}

} // namespace win32::controls
