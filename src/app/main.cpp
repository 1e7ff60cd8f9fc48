// Start-up and shut-down of the program: the application object and its title,
// the three windows created in order and destroyed in reverse order, and the
// message loop in between, which ends when the main window is closed.

#include "app/CommandLine.h"
#include "app/ErrorReport.h"
#include "app/QtMessagePresenter.h"
#include "app/Startup.h"
#include "core/Boundary.h"
#include "windows/AboutWin.h"
#include "windows/MainWin.h"
#include "windows/QtFileDialogs.h"
#include "windows/TipGenerator.h"
#include "windows/TipWin.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::QtMessagePresenter presenter;
    app::ErrorReport errorReport(presenter);
    errorReport.install();

    // One file may be named, as "Open With" in a file manager does.
    const app::CommandLine commandLine = app::parseCommandLine(QApplication::arguments().mid(1));
    if (commandLine.usageError)
        std::fprintf(stderr, "%s\n", app::kUsage);

    return app::runProgram(errorReport, [&] {
        app::setApplicationTitle();
        app::useClassicStyle();

        auto form1 = std::make_unique<TForm1>(std::make_unique<QtFileDialogs>());
        QApplication::setWindowIcon(form1->windowIcon());
        core::runGuarded([&] { form1->FormCreate(); });
        form1->show();

        auto form2 = std::make_unique<TForm2>(form1.get());
        form2->setAttribute(Qt::WA_QuitOnClose, false);
        core::runGuarded([&] { form2->FormCreate(); });

        TipGenerator tipGenerator;
        auto form3 = std::make_unique<TForm3>(form1.get(), tipGenerator);
        form3->setAttribute(Qt::WA_QuitOnClose, false);
        form1->setSecondaryWindows(form2.get(), form3.get());
        core::runGuarded([&] { form3->FormCreate(); });

        // The named file opens as Open opens what its dialog returns, once the loop runs,
        // so that the windows stand before any error report does.
        if (commandLine.file)
            QMetaObject::invokeMethod(
                form1.get(), [&] { core::runGuarded([&] { form1->openFile(*commandLine.file); }); },
                Qt::QueuedConnection);

        // Closing the main window, the only one that ends the program, ends the loop.
        const int exitCode = QApplication::exec();

        form1->setSecondaryWindows(nullptr, nullptr);
        core::runGuarded([&] { form3->FormDestroy(); });
        form3.reset();
        form2.reset();
        core::runGuarded([&] { form1->FormDestroy(); });
        form1.reset();
        return exitCode;
    });
}
