#pragma once

#include "ui/MessagePresenter.h"

namespace app {

// The message boxes on MessageBoxW, owned by the program's active window; while one is open the
// program's other windows take no input. The "Application Error" box is task-modal.
class Win32MessagePresenter : public ui::MessagePresenter {
public:
    void showStop(const std::string& caption, const std::string& text) override;
    void showWarning(const std::string& caption, const std::string& text) override;
    void showApplicationError(const std::string& caption, const std::string& text) override;
    // The usage line, when the command line names more than one file.
    void showInformation(const std::string& caption, const std::string& text);
};

} // namespace app
