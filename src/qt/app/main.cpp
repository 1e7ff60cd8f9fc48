// Start-up and shut-down of the program: the application object and its title,
// the three windows created in order and destroyed in reverse order, and the
// message loop in between, which ends when the main window is closed.

#include "core/Boundary.h"
#include "qt/app/CommandLine.h"
#include "qt/app/ProgramWindows.h"
#include "qt/app/QtMessagePresenter.h"
#include "qt/app/Startup.h"
#include "qt/windows/MainWin.h"
#include "qt/windows/QtFileDialogs.h"
#include "ui/Application.h"
#include "ui/ErrorReport.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::QtMessagePresenter presenter;
    ui::ErrorReport errorReport(presenter);
    errorReport.install();

    // One file may be named, as "Open With" in a file manager does.
    const app::CommandLine commandLine = app::parseCommandLine(QApplication::arguments().mid(1));
    if (commandLine.usageError)
        std::fprintf(stderr, "%s\n", ui::kUsage);

    return ui::runProgram(errorReport, [&] {
        app::setApplicationTitle();
        app::useClassicStyle();
        app::ProgramWindows windows(std::make_unique<QtFileDialogs>());

        // The named file opens as Open opens what its dialog returns, once the loop runs,
        // so that the windows stand before any error report does.
        TForm1& form1 = windows.mainWindow();
        if (commandLine.file)
            QMetaObject::invokeMethod(
                &form1, [&] { core::runGuarded([&] { form1.openFile(*commandLine.file); }); },
                Qt::QueuedConnection);

        // Closing the main window, the only one that ends the program, ends the loop.
        const int exitCode = QApplication::exec();
        windows.shutDown();
        return exitCode;
    });
}
