#pragma once

#include "ui/MessagePresenter.h"

namespace app {

// The message boxes on QMessageBox: application modal, so that no other window of the program
// takes input while one is open.
class QtMessagePresenter : public ui::MessagePresenter {
public:
    void showStop(const std::string& caption, const std::string& text) override;
    void showWarning(const std::string& caption, const std::string& text) override;
};

} // namespace app
