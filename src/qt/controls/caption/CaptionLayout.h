#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// How a window's frame looks, as far as its caption strip depends on it.
enum class TFormBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

struct TBorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    bool help = false;
};

// The title-bar buttons a window of this border style really shows.
TBorderIcons effectiveBorderIcons(TFormBorderStyle style, TBorderIcons icons);

// How many button widths the caption strip leaves free at its right: one per
// effective icon, plus one when exactly one of minimise and maximise is there
// (the other is then shown greyed).
int captionButtonCount(TFormBorderStyle style, TBorderIcons icons);

// The frame of a window, its caption strip and its buttons, in window coordinates.
struct CaptionGeometry {
    QRect strip;      // the painted gradient strip; empty without a border
    QRect buttonArea; // the rest of the caption row, where the buttons sit
    QRect close;      // button rectangles; empty when the button is not shown
    QRect maximize;
    QRect minimize;
    QRect help;
    QPoint clientOrigin; // where the client area starts
    QSize frame;         // frame thickness left/right and top/bottom
    bool drawsIcon = false;
};

CaptionGeometry captionGeometry(QSize windowSize, TFormBorderStyle style, TBorderIcons icons);

// The window size that holds a client area of the given size under this frame.
QSize windowSizeFor(QSize clientSize, TFormBorderStyle style);
