// The main window's speed: the country view and Apply Changes on the full
// template document, and start-up to the shown, idle main window next to a bare
// window built the same way in the same run.
// Run by hand: build/bench/bench_mainwin [repetitions], on any Qt platform; scripts/bench.sh
// runs it offscreen and in Xvfb. bench_startup measures start-up as the X server sees it.

#include "document/CountryPlaces.h"
#include "qt/app/ProgramWindows.h"
#include "qt/app/Startup.h"
#include "qt/windows/FileDialogs.h"
#include "qt/windows/MainWin.h"
#include "ui/MainWindowDesign.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Answers the Open dialog with the template.
class TemplateDialog : public FileDialogs {
public:
    std::optional<QString> execute(const ui::FileDialogRequest&, QWidget*) override {
        return QStringLiteral(VANTOREL_TEMPLATE_PATH);
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Shows the window and runs the loop until it is exposed and nothing is pending.
void showAndSettle(QWidget& w) {
    w.show();
    while (!w.windowHandle() || !w.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

double bareWindowMs() {
    QElapsedTimer t;
    t.start();
    {
        QWidget w(nullptr, Qt::Window);
        w.setWindowTitle(QStringLiteral("Vantorel 99/00 V2.5"));
        w.setFixedSize(ui::mainwindow::kClientWidth, ui::mainwindow::kClientHeight);
        showAndSettle(w);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        return ms;
    }
}

double mainWindowMs() {
    QElapsedTimer t;
    t.start();
    TForm1 form(std::make_unique<TemplateDialog>());
    showAndSettle(form);
    return double(t.nsecsElapsed()) / 1e6;
}

// A child run: start the program's way (all three windows) or show a bare window, report, quit.
int childRun(bool program) {
    if (program) {
        app::setApplicationTitle();
        app::useClassicStyle();
        app::ProgramWindows windows(std::make_unique<TemplateDialog>());
        showAndSettle(windows.mainWindow());
        std::fputs("shown\n", stdout);
    } else {
        QWidget window(nullptr, Qt::Window);
        window.setWindowTitle(QStringLiteral("Vantorel 99/00 V2.5"));
        window.setFixedSize(ui::mainwindow::kClientWidth, ui::mainwindow::kClientHeight);
        showAndSettle(window);
        std::fputs("shown\n", stdout);
    }
    std::fflush(stdout);
    return 0;
}

// Process start to the child's report of its shown, idle window. The children keep their
// settings in `settings`, not in the user's.
double processMs(const QString& kind, const QTemporaryDir& settings) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    child.setProcessEnvironment(environment);
    QElapsedTimer t;
    t.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), kind});
    child.waitForReadyRead(10000);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return childRun(std::strcmp(argv[2], "main") == 0);
    app::setApplicationTitle();
    app::useClassicStyle();
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    const QTemporaryDir settings;
    std::vector<double> bareProcess, mainProcess;
    for (int i = 0; i < repetitions; ++i) {
        bareProcess.push_back(processMs(QStringLiteral("bare"), settings));
        mainProcess.push_back(processMs(QStringLiteral("main"), settings));
    }
    std::printf("process start to the shown, idle window (%s platform), median of %d\n",
                qPrintable(QGuiApplication::platformName()), repetitions);
    std::printf("  bare window %.2f ms, main window %.2f ms, ratio %.2f\n", median(bareProcess),
                median(mainProcess), median(mainProcess) / median(bareProcess));
    const QByteArray platform = QGuiApplication::platformName().toLatin1();
    std::printf("RESULT\tmainwin\tstart-up, bare Qt window (%s)\t%.1f\tms\n", platform.data(),
                median(bareProcess));
    std::printf("RESULT\tmainwin\tstart-up, the program (%s)\t%.1f\tms\n", platform.data(),
                median(mainProcess));
    std::printf("RESULT\tmainwin\tstart-up ratio program / bare (%s)\t%.2f\tx\n", platform.data(),
                median(mainProcess) / median(bareProcess));

    // Start-up. The first of each pays the process's one-time costs (fonts, style).
    const double firstBare = bareWindowMs();
    const double firstMain = mainWindowMs();
    std::vector<double> bare, main;
    for (int i = 0; i < repetitions; ++i) {
        bare.push_back(bareWindowMs());
        main.push_back(mainWindowMs());
    }
    std::printf("window built and shown in a running process\n");
    std::printf("  first in the process: bare %.2f ms, main window %.2f ms\n", firstBare, firstMain);
    std::printf("  median of %d: bare %.2f ms, main window %.2f ms, ratio %.2f\n", repetitions, median(bare),
                median(main), median(main) / median(bare));

    // Country view and Apply Changes on the 307-line template, no painting in between.
    TForm1 form(std::make_unique<TemplateDialog>());
    showAndSettle(form);
    form.SpeedItem1Click(nullptr);
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    // The pointer rests on the list, as after a click on a country.
    QCursor::setPos(list->mapToGlobal(list->rect().center()));
    QCoreApplication::processEvents();
    const int ops = 20000;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < ops; ++i)
        list->setCurrentRow((i * 7 + 1) % document::kCountryCount);
    const double viewUs = double(t.nsecsElapsed()) / 1e3 / ops;
    list->setCurrentRow(1); // Italy, nine fields
    t.restart();
    for (int i = 0; i < ops; ++i)
        form.SpeedButton1Click(nullptr);
    const double applyUs = double(t.nsecsElapsed()) / 1e3 / ops;
    std::printf("full document of %zu lines, %d operations each\n", form.buffer().lineCount(), ops);
    std::printf("  country view: %.2f us per switch\n", viewUs);
    std::printf("  Apply Changes: %.2f us per apply (%s)\n", applyUs,
                qPrintable(list->currentItem()->text()));
    std::printf("RESULT\tmainwin\tcountry switch (view) (%s)\t%.1f\tus\n", platform.data(), viewUs);
    std::printf("RESULT\tmainwin\tApply Changes (nine fields) (%s)\t%.1f\tus\n", platform.data(), applyUs);
    return 0;
}
