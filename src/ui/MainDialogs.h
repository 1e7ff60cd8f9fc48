#pragma once

#include "ui/FileDialogRequest.h"

#include <string>

// The main window's two file dialogs: OpenDialog1 and SaveDialog1.
namespace ui {

// "Open European File", the euro.cfg and *.cfg entries; a typed name of a missing file is
// taken (the load then reports it).
FileDialogRequest openDialogRequest(const std::string& fileName);
// The platform's own title, the *.CFG and *.TXT entries; no question before overwriting and
// no default extension.
FileDialogRequest saveDialogRequest(const std::string& fileName);

} // namespace ui
