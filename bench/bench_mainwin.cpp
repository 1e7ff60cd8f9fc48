// The main window's speed: the country view and Apply Changes on the full
// template document, and start-up to the shown, idle main window next to a bare
// window built the same way in the same run.
// Run by hand: build/bench/bench_mainwin [repetitions], on any Qt platform.

#include "app/Startup.h"
#include "document/CountryPlaces.h"
#include "windows/FileDialogs.h"
#include "windows/MainWin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
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
    std::optional<QString> execute(const FileDialogRequest&, QWidget*) override {
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
        w.setFixedSize(TForm1::kClientWidth, TForm1::kClientHeight);
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

// A child run: start the program's way, show one window, report, quit.
int childRun(bool mainWindow) {
    app::setApplicationTitle();
    app::useClassicStyle();
    std::unique_ptr<QWidget> window;
    if (mainWindow) {
        window = std::make_unique<TForm1>(std::make_unique<TemplateDialog>());
    } else {
        window = std::make_unique<QWidget>(nullptr, Qt::Window);
        window->setWindowTitle(QStringLiteral("Vantorel 99/00 V2.5"));
        window->setFixedSize(TForm1::kClientWidth, TForm1::kClientHeight);
    }
    showAndSettle(*window);
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    return 0;
}

// Process start to the child's report of its shown, idle window.
double processMs(const QString& kind) {
    QProcess child;
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

    std::vector<double> bareProcess, mainProcess;
    for (int i = 0; i < repetitions; ++i) {
        bareProcess.push_back(processMs(QStringLiteral("bare")));
        mainProcess.push_back(processMs(QStringLiteral("main")));
    }
    std::printf("process start to the shown, idle window (%s platform), median of %d\n",
                qPrintable(QGuiApplication::platformName()), repetitions);
    std::printf("  bare window %.2f ms, main window %.2f ms, ratio %.2f\n", median(bareProcess),
                median(mainProcess), median(mainProcess) / median(bareProcess));
    std::printf("RESULT\tmainwin\tstart-up, bare Qt window\t%.1f\tms\n", median(bareProcess));
    std::printf("RESULT\tmainwin\tstart-up, main window\t%.1f\tms\n", median(mainProcess));
    std::printf("RESULT\tmainwin\tstart-up ratio main / bare\t%.2f\tx\n",
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
    std::printf("RESULT\tmainwin\tcountry switch (view)\t%.1f\tus\n", viewUs);
    std::printf("RESULT\tmainwin\tApply Changes (nine fields)\t%.1f\tus\n", applyUs);
    return 0;
}
