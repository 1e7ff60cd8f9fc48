#pragma once

#include "core/Colors.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace win32::controls {

// A link: a system STATIC (SS_NOTIFY) whose text this class draws in its link colours and that
// asks the shell to open its target (ShellExecuteW "open", SW_SHOW) when a press on its text is
// released on its text. It reacts only over its text (elsewhere the pointer goes through to
// what lies beneath), shows the hand cursor there, and its window text is its caption. To
// assistive technology it is the system's object for the STATIC with the role of a link.
//
// Creating one (owned by the window that holds it):
//     auto link = std::make_unique<LinkLabel>(aboutWindow, ids::About_URLLabel1, caption, target);
//     layout.add(link->hwnd(), design.box, design.font);
//     link->OnMouseMove = [l = link.get()] { l->setFontColor(core::clRed); };
class LinkLabel {
public:
    // target empty: the caption is opened. Both are the program's bytes.
    LinkLabel(HWND parent, int id, std::string_view caption, std::string_view target,
              std::string_view hint = {});
    ~LinkLabel();
    LinkLabel(const LinkLabel&) = delete;
    LinkLabel& operator=(const LinkLabel&) = delete;

    HWND hwnd() const { return m_hwnd; }
    std::wstring target() const;
    core::TColor fontColor() const { return m_color; }
    void setFontColor(core::TColor color);
    // Every pointer move over the text.
    std::function<void()> OnMouseMove;

    core::TColor colorNormal = core::rgb(0, 0, 255);
    core::TColor colorMoveOver = core::rgb(0, 0, 255);
    core::TColor colorClick = core::rgb(255, 0, 0);

private:
    template <class Owner>
    friend LRESULT CALLBACK guardedSubclassProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    void windowDestroyed() {}
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // The caption's extent from the top-left corner, in client coordinates.
    RECT textArea() const;
    bool overText(LPARAM clientPoint) const;
    void paint(HDC dc) const;

    HWND m_hwnd = nullptr;
    std::wstring m_target;
    core::TColor m_color = core::rgb(0, 0, 255);
    bool m_pressed = false;
    bool m_hovering = false;
};

} // namespace win32::controls
