// Start-up and shut-down of the program: the system's preparations, the application window and
// the three windows created in order and destroyed in reverse order, and the message loop in
// between, which ends when the main window is closed.

#include "core/Boundary.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"
#include "ui/ErrorReport.h"
#include "win32/app/MessageLoop.h"
#include "win32/app/ProgramWindows.h"
#include "win32/app/Startup.h"
#include "win32/app/Win32MessagePresenter.h"
#include "win32/windows/MainWin.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    app::Win32MessagePresenter presenter;
    ui::ErrorReport errorReport(presenter);
    errorReport.install();

    return ui::runProgram(errorReport, [&] {
        app::prepareProgram();
        // One file may be named, as a drop on the program's icon or "Open with" does.
        const ui::CommandLine commandLine = ui::parseCommandLine(app::commandLineArguments());

        app::ProgramWindows windows;
        // Told once the windows stand, so that the box has the main window under it.
        if (commandLine.usageError)
            presenter.showInformation(ui::kApplicationTitle, ui::kUsage);
        // The named file opens as Open opens what its dialog chose.
        if (commandLine.file)
            core::runGuarded([&] {
                windows.mainWindow().openFile(
                    app::absolutePath(*commandLine.file).value_or(*commandLine.file));
            });

        // Closing the main window, the only one that ends the program, ends the loop.
        const int exitCode = app::runMessageLoop(windows.tabWindows());
        windows.shutDown();
        return exitCode;
    });
}
