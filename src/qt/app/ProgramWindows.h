#pragma once

#include "ui/TipGenerator.h"

#include <memory>

class FileDialogs;
class TForm1;
class TForm2;
class TForm3;

namespace app {

// The program's three windows. Created in order, each running its creation handler: the
// main window (then shown), the About window (hidden), the Tip of the Day window (shown
// unless its stored choice hides it). shutDown() runs the destruction handlers in reverse
// order and destroys the windows.
class ProgramWindows {
public:
    explicit ProgramWindows(std::unique_ptr<FileDialogs> dialogs);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    TForm1& mainWindow() const { return *m_form1; }
    void shutDown();

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    ui::TipGenerator m_tipGenerator;
    std::unique_ptr<TForm3> m_form3;
};

} // namespace app
