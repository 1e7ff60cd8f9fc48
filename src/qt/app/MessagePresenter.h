#pragma once

#include <QString>

namespace app {

// Shows the program's message boxes. The error report talks to this interface so
// that tests can record what would be shown instead of blocking on a dialog.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // A modal box with the caption, the text, an OK button and a stop icon; returns
    // when the user has closed it.
    virtual void showStop(const QString& caption, const QString& text) = 0;
    // The same with a warning icon, for something the user should know while work goes on.
    virtual void showWarning(const QString& caption, const QString& text) = 0;
};

} // namespace app
