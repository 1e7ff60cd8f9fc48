#pragma once

#include "core/Colors.h"
#include "ui/CaptionGeometry.h"

#include <windows.h>

#include <string>

namespace win32::controls {

// Paints a window's title bar with a colour gradient (a solid colour while the window is
// inactive), its small icon and the caption text, in the window's own frame: it subclasses the
// window, cuts the caption strip out of the region the system paints on WM_NCPAINT and draws
// the strip after the system's painting, and again after WM_NCACTIVATE. The end colour is the
// system's gradient caption colour (27/28) when the system draws gradient captions, else the
// caption colour (2/3); the font is the system's caption font.
//
// Creating one (owned by the main window, after its window exists):
//     const auto& design = ui::mainwindow::kGradientCaption;
//     m_caption = std::make_unique<GradientCaption>(hwnd(), design.caption);
//     m_caption->startColor = design.startColor;
//     m_caption->gradientSteps = design.gradientSteps;
//     m_caption->repaint();
class GradientCaption {
public:
    GradientCaption(HWND form, std::string_view caption,
                    ui::TFormBorderStyle style = ui::TFormBorderStyle::Single,
                    ui::TBorderIcons icons = {true, true, false, false});
    ~GradientCaption();
    GradientCaption(const GradientCaption&) = delete;
    GradientCaption& operator=(const GradientCaption&) = delete;

    // The component's own defaults; the main window sets its design's (kGradientCaption).
    core::TColor startColor = core::clWindowText;
    int gradientSteps = 64;
    bool gradientActive = true;
    bool gradientInactive = false;

    // The strip in window coordinates.
    RECT stripRect() const;
    // Repaints the strip now.
    void repaint();

private:
    template <class Owner>
    friend LRESULT CALLBACK guardedSubclassProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    void windowDestroyed() {}
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    ui::FrameMetrics frameMetrics() const;
    ui::CaptionGeometry geometry() const;
    void drawStrip(HDC windowDc) const;

    HWND m_form;
    std::wstring m_caption;
    ui::TFormBorderStyle m_style;
    ui::TBorderIcons m_icons;
    bool m_active = false;
};

} // namespace win32::controls
