#pragma once

#include "qt/app/MessagePresenter.h"

namespace app {

// MessagePresenter on QMessageBox: application modal, so that no other window of
// the program takes input while it is open.
class QtMessagePresenter : public MessagePresenter {
public:
    void showStop(const QString& caption, const QString& text) override;
    void showWarning(const QString& caption, const QString& text) override;
};

} // namespace app
