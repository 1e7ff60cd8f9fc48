#pragma once

#include "qt/windows/FileDialogs.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QFileDialog;

// FileDialogs on Qt's own file dialog (never the desktop's native one), placed
// centred horizontally on the screen with its top at a third of the free height.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> execute(const ui::FileDialogRequest& request, QWidget* parent) override;

    // Sets up a dialog for the request without showing it.
    static void configure(QFileDialog& dialog, const ui::FileDialogRequest& request);
    // Qt's dialog remembers its folders and view in a settings file of its own: that
    // file goes into the program's settings folder, beside the settings store.
    static void keepDialogStateInProgramFolder();
    // Where a window of that size goes on that screen.
    static QPoint placement(const QRect& screen, const QSize& window);
    // The dialog's name filter entry for one filter.
    static QString nameFilter(const ui::FileFilter& filter);
};
