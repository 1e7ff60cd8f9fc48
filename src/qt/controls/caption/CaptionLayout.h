#pragma once

#include "ui/CaptionGeometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The caption geometry of ui/CaptionGeometry.h in Qt's terms, under the classic frame metrics
// the self-drawn frame keeps (platform/SystemMetrics.h).
using ui::TBorderIcons;
using ui::TFormBorderStyle;

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

// The classic desktop's frame metrics at 96 dots per inch.
const ui::FrameMetrics& classicFrameMetrics();

CaptionGeometry captionGeometry(QSize windowSize, TFormBorderStyle style, TBorderIcons icons);

// The window size that holds a client area of the given size under this frame.
QSize windowSizeFor(QSize clientSize, TFormBorderStyle style);

QRect toQRect(const ui::Box& box);
