#pragma once

#include "ui/FileDialogRequest.h"

#include <windows.h>

#include <optional>
#include <string>

namespace win32 {

// Runs the system's Open or Save dialog (GetOpenFileNameW, GetSaveFileNameW) for the request:
// its title, type list, initial file name and options, centred across the screen with its top
// at a third of the height left free. The chosen path in UTF-8, or nothing when the user
// cancels.
std::optional<std::string> runFileDialog(HWND owner, const ui::FileDialogRequest& request);

} // namespace win32
