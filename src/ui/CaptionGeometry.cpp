#include "ui/CaptionGeometry.h"

namespace ui {

namespace {

bool isToolWindow(TFormBorderStyle style) {
    return style == TFormBorderStyle::ToolWindow || style == TFormBorderStyle::SizeToolWin;
}

Size frameThickness(TFormBorderStyle style, const FrameMetrics& m) {
    switch (style) {
    case TFormBorderStyle::Sizeable:
    case TFormBorderStyle::SizeToolWin:
        return {m.frameWidth, m.frameHeight};
    case TFormBorderStyle::Single:
    case TFormBorderStyle::Dialog:
    case TFormBorderStyle::ToolWindow:
        return {m.dialogFrameWidth, m.dialogFrameHeight};
    case TFormBorderStyle::None:
        break;
    }
    return {0, 0};
}

int captionHeight(TFormBorderStyle style, const FrameMetrics& m) {
    if (style == TFormBorderStyle::None)
        return 0;
    return isToolWindow(style) ? m.smallCaptionHeight : m.captionHeight;
}

int buttonWidth(TFormBorderStyle style, const FrameMetrics& m) {
    return isToolWindow(style) ? m.smallCaptionButtonWidth : m.captionButtonWidth;
}

} // namespace

TBorderIcons effectiveBorderIcons(TFormBorderStyle style, TBorderIcons icons) {
    if (style == TFormBorderStyle::Dialog)
        return {icons.systemMenu, false, false, icons.help};
    if (isToolWindow(style))
        return {icons.systemMenu, false, false, false};
    if (!icons.systemMenu) {
        icons.minimize = false;
        icons.maximize = false;
    }
    if (icons.minimize || icons.maximize)
        icons.help = false;
    return icons;
}

int captionButtonCount(TFormBorderStyle style, TBorderIcons icons) {
    const TBorderIcons shown = effectiveBorderIcons(style, icons);
    int count = int(shown.systemMenu) + int(shown.minimize) + int(shown.maximize) + int(shown.help);
    if (shown.minimize != shown.maximize)
        ++count;
    return count;
}

CaptionGeometry captionGeometry(int windowWidth, int windowHeight, TFormBorderStyle style, TBorderIcons icons,
                                const FrameMetrics& metrics) {
    CaptionGeometry g;
    const Size frame = frameThickness(style, metrics);
    g.frameWidth = frame.width;
    g.frameHeight = frame.height;
    const Box inner{frame.width, frame.height, windowWidth - 2 * frame.width,
                    windowHeight - 2 * frame.height};
    const int height = captionHeight(style, metrics);
    g.clientLeft = inner.left;
    g.clientTop = inner.top + height;
    if (style == TFormBorderStyle::None)
        return g;

    // The caption row, without the one-pixel line below it.
    const Box row{inner.left, inner.top, inner.width, height - 1};
    const int buttonsWidth = captionButtonCount(style, icons) * buttonWidth(style, metrics);
    g.strip = {row.left, row.top, row.width - buttonsWidth, row.height};
    g.buttonArea = {g.strip.right(), row.top, row.right() - g.strip.right(), row.height};

    const TBorderIcons shown = effectiveBorderIcons(style, icons);
    g.drawsIcon =
        shown.systemMenu && (style == TFormBorderStyle::Single || style == TFormBorderStyle::Sizeable);

    // Buttons are two pixels narrower and four lower than their cell, two pixels in from the
    // right and top; close stands apart from the others.
    const int width = buttonWidth(style, metrics) - 2;
    const int buttonHeight = height - 1 - 4;
    int right = row.right() - 2; // exclusive
    auto place = [&](Box& b, int gapAfter) {
        b = {right - width, row.top + 2, width, buttonHeight};
        right = b.left - gapAfter;
    };
    if (shown.systemMenu)
        place(g.close, 2);
    if (shown.minimize || shown.maximize) {
        place(g.maximize, 0);
        place(g.minimize, 0);
    } else if (shown.help) {
        place(g.help, 0);
    }
    return g;
}

Size windowSizeFor(int clientWidth, int clientHeight, TFormBorderStyle style, const FrameMetrics& metrics) {
    const Size frame = frameThickness(style, metrics);
    return {clientWidth + 2 * frame.width, clientHeight + 2 * frame.height + captionHeight(style, metrics)};
}

Box gradientBox(int stripWidth, int stripHeight) {
    return {-(stripWidth / 4), 0, stripWidth + stripWidth / 4, stripHeight};
}

Box captionIconBox(int stripHeight, const FrameMetrics& metrics) {
    return {(stripHeight - metrics.smallIconWidth) / 2 + 1, (stripHeight - metrics.smallIconHeight) / 2,
            metrics.smallIconWidth, metrics.smallIconHeight};
}

int captionTextLeft(int stripHeight, bool drawsIcon) {
    return (drawsIcon ? stripHeight : 0) + 2;
}

} // namespace ui
