#pragma once

#include <QPixmap>

class QWidget;

// The small icon a caption shows for a window: the window's own icon; without
// one the program's main icon resource, then the application icon; without an
// application icon the standard application icon (a small empty window).
QPixmap captionIcon(const QWidget* window, QSize size);

// The standard application icon at the given size.
QPixmap standardApplicationIcon(QSize size);
