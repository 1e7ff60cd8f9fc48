// The Windows front end's platform pieces on the system itself: run under Wine by the Linux
// build's tests (tst_platform_win32). Plain C++: there is no Qt in the Windows build.

#include "core/Boundary.h"
#include "core/Exception.h"
#include "win32/platform/DesignLayout.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/Font.h"
#include "win32/platform/ShrunkIcon.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"
#include "win32/platform/Window.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int g_failed = 0;
int g_passed = 0;

void check(bool ok, const std::string& what) {
    ++(ok ? g_passed : g_failed);
    if (!ok)
        std::printf("FAIL: %s\n", what.c_str());
}

// Boxes that touch at 96 dpi still touch when scaled, whatever the rounding.
static_assert(win32::dpi::scale(ui::Box{13, 40, 188, 110}, 144).right() ==
              win32::dpi::scale(ui::Box{201, 40, 14, 110}, 144).left);
static_assert(win32::dpi::scale(ui::Box{0, 0, 617, 30}, 120).bottom() ==
              win32::dpi::scale(ui::Box{0, 30, 617, 251}, 120).top);
static_assert(win32::dpi::scale(11, 144) == 17 && win32::dpi::scale(-11, 144) == -17);

constexpr UINT kThrowProgramError = WM_APP + 1;
constexpr UINT kThrowOtherError = WM_APP + 2;
constexpr UINT kAnswer = WM_APP + 3;

class ThrowingWindow : public win32::Window {
public:
    ThrowingWindow() {
        registerClass({L"VantorelPlatformTest"});
        // Message-only windows: the test needs no display.
        create({L"VantorelPlatformTest", L"test", 0, 0, RECT{0, 0, 100, 100}, HWND_MESSAGE});
    }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kThrowProgramError)
            throw core::EInvalidOperation("Text exceeds memo capacity");
        if (message == kThrowOtherError)
            throw std::runtime_error("boom");
        if (message == kAnswer)
            return 42;
        return defaultHandling(message, wParam, lParam);
    }
};

void handlerErrorsReachTheErrorReportAndTheWindowGoesOn() {
    std::vector<std::string> reported;
    const core::ErrorSink previous = core::setErrorSink([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported.push_back(e.what());
        }
    });
    {
        ThrowingWindow window;
        check(window.hwnd() != nullptr, "the window stands");
        check(::SendMessageW(window.hwnd(), kThrowProgramError, 0, 0) == 0, "a failed handler answers 0");
        ::SendMessageW(window.hwnd(), kThrowOtherError, 0, 0);
        check(reported == std::vector<std::string>{"Text exceeds memo capacity", "boom"},
              "both errors reported");
        check(::SendMessageW(window.hwnd(), kAnswer, 0, 0) == 42, "the window answers after the errors");
        const HWND hwnd = window.hwnd();
        window.destroy();
        check(window.hwnd() == nullptr && !::IsWindow(hwnd), "destroy() forgets the handle");
    }
    core::setErrorSink(previous);
}

void controlsShowAndGiveBackEveryByteAsWindows1252() {
    std::string all;
    for (int b = 1; b < 256; ++b) // the window text ends at a NUL
        all.push_back(char(b));
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", ES_AUTOHSCROLL, 0, 0, 100, 20, HWND_MESSAGE, nullptr,
                                        nullptr, nullptr);
    win32::text1252::setWindowText(edit, all);
    check(win32::text1252::windowText(edit) == all, "bytes 1 to 255 round-trip through an edit control");
    ::SetWindowTextW(edit, L"a\u0141b\U0001F600c");
    check(win32::text1252::windowText(edit) == "abc", "what the code page cannot hold is left out");
    ::DestroyWindow(edit);

    check(win32::text1252::toWide("\x80\xE9\x81") == L"\u20AC\u00E9\u0081",
          "euro, e acute, an undefined byte");
    check(!win32::text1252::fromWide(L"\u0141\u00F3d\u017A"), "a Polish name is refused");
    check(win32::text1252::fromWide(L"Br\u00F8ndby") == std::string("Br\xF8ndby"), "a Danish name is taken");
    check(win32::text1252::firstRefused(L"ab\U0001F600") == std::optional<std::size_t>(2),
          "a surrogate pair is refused");
    check(!win32::text1252::firstRefused(L"\u201Cok\u201D"), "curly quotes are Windows-1252");
}

void coloursAndFontsAreWhatGdiDraws() {
    check(win32::resolveColor(core::clBtnFace) == ::GetSysColor(COLOR_BTNFACE), "a system colour");
    check(win32::resolveColor(core::clRed) == RGB(255, 0, 0) &&
              win32::resolveColor(core::clBlue) == RGB(0, 0, 255),
          "plain colours");
    const win32::Font font(ui::FontDesign{"Arial", 11, ui::fsBold | ui::fsUnderline}, 144);
    LOGFONTW lf{};
    check(::GetObjectW(font.handle(), sizeof lf, &lf) == sizeof lf, "the font exists");
    check(lf.lfHeight == -17 && lf.lfWeight == FW_BOLD && lf.lfUnderline && !lf.lfItalic &&
              std::wstring(lf.lfFaceName) == L"Arial",
          "11 px bold underlined Arial at 150%");
}

RECT frameOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

LONG fontHeight(HWND control) {
    LOGFONTW lf{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

void controlsFollowTheWindowsDpi() {
    // A message-only control stands in for a child: the test needs no display. Being top-level,
    // it keeps the system's smallest window size, so the box is taller than a field.
    const HWND edit =
        ::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    win32::DesignLayout layout(144);
    layout.add(edit, {22, 24, 147, 40}, ui::FontDesign{"Arial", 12});
    RECT r = frameOf(edit);
    check(r.left == 33 && r.top == 36 && r.right == 254 && r.bottom == 96 && fontHeight(edit) == -18,
          "at 150%");
    layout.apply(96);
    r = frameOf(edit);
    check(r.left == 22 && r.top == 24 && r.right == 169 && r.bottom == 64 && fontHeight(edit) == -12,
          "back at 100%");
    layout.setFont(edit, ui::FontDesign{"Arial", 16});
    check(fontHeight(edit) == -16, "a new font at the current DPI");
    ::DestroyWindow(edit);
}

std::vector<std::uint32_t> iconPixels(HICON icon, int size) {
    ICONINFO parts{};
    std::vector<std::uint32_t> out(std::size_t(size) * std::size_t(size));
    if (!::GetIconInfo(icon, &parts))
        return {};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = ::GetDC(nullptr);
    if (!parts.hbmColor ||
        ::GetDIBits(dc, parts.hbmColor, 0, UINT(size), out.data(), &info, DIB_RGB_COLORS) != size)
        out.clear();
    ::ReleaseDC(nullptr, dc);
    ::DeleteObject(parts.hbmColor);
    ::DeleteObject(parts.hbmMask);
    return out;
}

void aSmallIconAveragesTheLargeOne() {
    // 32 × 32: black and white columns in the top half, transparent below.
    std::vector<std::uint32_t> colour(32 * 32, 0);
    std::vector<BYTE> mask(4 * 32, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (y >= 16)
                mask[std::size_t(y) * 4 + x / 8] |= BYTE(0x80 >> (x % 8));
            else if (x % 2)
                colour[std::size_t(y) * 32 + x] = 0xFFFFFF;
    HBITMAP colourBitmap = ::CreateBitmap(32, 32, 1, 32, colour.data());
    HBITMAP maskBitmap = ::CreateBitmap(32, 32, 1, 1, mask.data());
    ICONINFO parts{TRUE, 0, 0, maskBitmap, colourBitmap};
    HICON large = ::CreateIconIndirect(&parts);
    HICON small = win32::shrinkIcon(large, 16);
    const std::vector<std::uint32_t> p = small ? iconPixels(small, 16) : std::vector<std::uint32_t>{};
    check(p.size() == 256, "the 16-pixel icon is made");
    if (p.size() == 256) {
        const std::uint32_t top = p[3 * 16 + 5];
        check(top >> 24 == 0xFF && (top & 0xFF) >= 126 && (top & 0xFF) <= 129,
              "a pixel of two columns is their opaque grey");
        check(p[12 * 16 + 5] >> 24 == 0, "a transparent area stays transparent");
    }
    ::DestroyIcon(small);
    ::DestroyIcon(large);
    ::DeleteObject(colourBitmap);
    ::DeleteObject(maskBitmap);
}

} // namespace

int wmain() {
    aSmallIconAveragesTheLargeOne();
    controlsFollowTheWindowsDpi();
    handlerErrorsReachTheErrorReportAndTheWindowGoesOn();
    controlsShowAndGiveBackEveryByteAsWindows1252();
    coloursAndFontsAreWhatGdiDraws();
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
