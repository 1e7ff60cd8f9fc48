#pragma once

#include <windows.h>

#include <memory>
#include <vector>

class TForm1;
class TForm2;
class TForm3;

namespace app {

class ApplicationWindow;

// The application window first, then TForm1, TForm2 and TForm3, made in that order as the Qt
// front end makes its own, each creation handler inside the handler boundary; the main window
// shows itself after its handler, About stays hidden, Tip of the Day decides in its handler.
// shutDown() takes them down in reverse, with their destruction handlers, the application
// window last.
class ProgramWindows {
public:
    ProgramWindows();
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    TForm1& mainWindow() const { return *m_form1; }
    // The windows whose controls the Tab key moves between.
    std::vector<HWND> tabWindows() const;
    void shutDown();

private:
    std::unique_ptr<ApplicationWindow> m_application;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
};

} // namespace app
