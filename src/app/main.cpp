// Start-up and shut-down of the program: the application object and its title,
// the three windows created in order and destroyed in reverse order, and the
// message loop in between, which ends when the main window is closed.

#include "app/ErrorReport.h"
#include "app/ProgramWindows.h"
#include "app/QtMessagePresenter.h"
#include "app/Startup.h"
#include "windows/QtFileDialogs.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::QtMessagePresenter presenter;
    app::ErrorReport errorReport(presenter);
    errorReport.install();

    return app::runProgram(errorReport, [&] {
        app::setApplicationTitle();
        app::useClassicStyle();
        app::ProgramWindows windows(std::make_unique<QtFileDialogs>());
        // Closing the main window, the only one that ends the program, ends the loop.
        const int exitCode = QApplication::exec();
        windows.shutDown();
        return exitCode;
    });
}
