#pragma once

#include <string>

namespace ui {

// Shows the program's message boxes. The error report talks to this interface so that tests
// can record what would be shown instead of blocking on a dialog. Texts are UTF-8.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // A modal box with the caption, the text, an OK button and a stop icon; returns when the
    // user has closed it.
    virtual void showStop(const std::string& caption, const std::string& text) = 0;
    // The same with a warning icon, for something the user should know while work goes on.
    virtual void showWarning(const std::string& caption, const std::string& text) = 0;
    // The "Application Error" box for what escaped every handler: a stop icon, and task-modal
    // where the platform has such a thing. By default the same as showStop().
    virtual void showApplicationError(const std::string& caption, const std::string& text) {
        showStop(caption, text);
    }
};

} // namespace ui
