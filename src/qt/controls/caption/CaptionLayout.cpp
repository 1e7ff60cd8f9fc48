#include "qt/controls/caption/CaptionLayout.h"

#include "qt/platform/SystemMetrics.h"

namespace metrics = platform::metrics;

namespace {

bool isToolWindow(TFormBorderStyle style) {
    return style == TFormBorderStyle::ToolWindow || style == TFormBorderStyle::SizeToolWin;
}

QSize frameThickness(TFormBorderStyle style) {
    switch (style) {
    case TFormBorderStyle::Sizeable:
    case TFormBorderStyle::SizeToolWin:
        return {metrics::kFrameWidth, metrics::kFrameHeight};
    case TFormBorderStyle::Single:
    case TFormBorderStyle::Dialog:
    case TFormBorderStyle::ToolWindow:
        return {metrics::kDialogFrameWidth, metrics::kDialogFrameHeight};
    case TFormBorderStyle::None:
        break;
    }
    return {0, 0};
}

int captionHeight(TFormBorderStyle style) {
    if (style == TFormBorderStyle::None)
        return 0;
    return isToolWindow(style) ? metrics::kSmallCaptionHeight : metrics::kCaptionHeight;
}

int buttonWidth(TFormBorderStyle style) {
    return isToolWindow(style) ? metrics::kSmallCaptionButtonWidth : metrics::kCaptionButtonWidth;
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

CaptionGeometry captionGeometry(QSize windowSize, TFormBorderStyle style, TBorderIcons icons) {
    CaptionGeometry g;
    g.frame = frameThickness(style);
    const QRect inner = QRect(QPoint(0, 0), windowSize)
                            .adjusted(g.frame.width(), g.frame.height(), -g.frame.width(), -g.frame.height());
    const int height = captionHeight(style);
    g.clientOrigin = inner.topLeft() + QPoint(0, height);
    if (style == TFormBorderStyle::None)
        return g;

    // The caption row, without the one-pixel line below it.
    const QRect row(inner.left(), inner.top(), inner.width(), height - 1);
    const int buttonsWidth = captionButtonCount(style, icons) * buttonWidth(style);
    g.strip = row.adjusted(0, 0, -buttonsWidth, 0);
    g.buttonArea = QRect(g.strip.right() + 1, row.top(), row.right() - g.strip.right(), row.height());

    const TBorderIcons shown = effectiveBorderIcons(style, icons);
    g.drawsIcon =
        shown.systemMenu && (style == TFormBorderStyle::Single || style == TFormBorderStyle::Sizeable);

    // Buttons are two pixels narrower and four lower than their cell, two
    // pixels in from the right and top; close stands apart from the others.
    const QSize button(buttonWidth(style) - 2, height - 1 - 4);
    int right = row.right() - 2;
    auto place = [&](QRect& r, int gapAfter) {
        r = QRect(QPoint(right - button.width() + 1, row.top() + 2), button);
        right = r.left() - 1 - gapAfter;
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

QSize windowSizeFor(QSize clientSize, TFormBorderStyle style) {
    const QSize frame = frameThickness(style);
    return {clientSize.width() + 2 * frame.width(),
            clientSize.height() + 2 * frame.height() + captionHeight(style)};
}
