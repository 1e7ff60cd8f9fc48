#pragma once

#include "ui/FileDialogRequest.h"

#include <QString>

#include <optional>

class QWidget;

// The modal file dialogs, behind an interface that tests answer.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> execute(const ui::FileDialogRequest& request, QWidget* parent) = 0;
};
