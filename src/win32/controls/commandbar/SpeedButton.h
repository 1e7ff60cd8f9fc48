#pragma once

#include "ui/SpeedButtonLatch.h"
#include "win32/controls/drawing/GlyphBitmap.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace win32::controls {

// The program's push button: a system BUTTON (BS_OWNERDRAW) whose drawing this class takes
// over, with the up, pressed, latched and disabled looks, a glyph and/or its caption. The
// system keeps the mouse and keyboard handling, BM_CLICK, the focus and the accessibility of
// a button; the parent gets WM_COMMAND BN_CLICKED as from any button. A grouped button
// (groupIndex != 0) is a toggle: a click flips its Down before BN_CLICKED goes out,
// BM_GETCHECK answers Down and BM_SETCHECK sets it from code without a click; assistive
// technology sees it as a check button with that state, any other as a push button.
//
// Creating one:
//     SpeedButtonSpec params;
//     params.id = ids::SpeedButton1;
//     params.caption = "Apply Changes";
//     HWND button = SpeedButton::create(parentWindow, params);
//     layout.add(button, design.box, design.font); // win32::DesignLayout: place and font
// The button's window text is its caption (WM_GETTEXT), drawn when showCaption is set; the
// command bar's buttons carry their command's name but draw only the glyph.
struct SpeedButtonSpec {
    int id = 0;
    std::string_view caption; // the program's bytes (Windows-1252)
    bool showCaption = true;
    std::string_view hint;          // "short|long": the tooltip is the short part
    const wchar_t* glyph = nullptr; // a bitmap resource, or none
    int groupIndex = 0;
    bool allowAllUp = false;
    bool enabled = true;
    core::TColor fontColor = core::clWindowText;
};

class SpeedButton {
public:
    // A child of parent, at 0, 0 and 25 x 25 until placed. Throws core::EResNotFound for a
    // missing glyph and core::Exception when the system refuses the window.
    static HWND create(HWND parent, const SpeedButtonSpec& params);
    // The button behind a window made by create(), or nullptr.
    static SpeedButton* from(HWND hwnd);

    bool isDown() const { return m_latch.isDown(); }
    // From code: the look and the group change; no click.
    void setDown(bool down);
    int groupIndex() const { return m_latch.groupIndex(); }
    ui::TButtonState state() const;

private:
    SpeedButton(HWND hwnd, const SpeedButtonSpec& params);
    template <class Owner>
    friend LRESULT CALLBACK guardedSubclassProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    void windowDestroyed();
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // A click is coming (the button is pushed and the mouse or space key comes up): toggle first.
    void beforeClick();
    void followedByGroup();
    void paint(HDC dc) const;
    void paintContent(HDC dc, const RECT& content, ui::TButtonState state) const;

    HWND m_hwnd;
    ui::SpeedButtonLatch m_latch;
    GlyphBitmap m_glyph;
    int m_numGlyphs = 1;
    bool m_showCaption = true;
    core::TColor m_fontColor;
};

} // namespace win32::controls
