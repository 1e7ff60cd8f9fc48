// Fill time of the TrueType font list from the fontconfig configuration in force
// (set FONTCONFIG_FILE to measure another font set).
#include "qt/controls/pickers/FontComboBox.h"
#include "qt/platform/FontEnumeration.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr int kRuns = 50;
    platform::enumerateFontFamilies(); // fontconfig's first load is not the picker's cost

    QElapsedTimer timer;
    timer.start();
    std::size_t families = 0;
    for (int i = 0; i < kRuns; ++i)
        families = platform::enumerateFontFamilies().size();
    const double enumerateMs = double(timer.nsecsElapsed()) / 1e6 / kRuns;

    TFontComboBox combo;
    combo.setTrueTypeOnly(true);
    combo.createWindow();
    timer.restart();
    for (int i = 0; i < kRuns; ++i)
        combo.refresh();
    const double fillMs = double(timer.nsecsElapsed()) / 1e6 / kRuns;

    std::printf("families reported: %zu, TrueType entries: %d\n", families, combo.count());
    std::printf("enumerate: %.3f ms, fill (enumerate + filter + sort + add): %.3f ms, per family %.4f ms\n",
                enumerateMs, fillMs, families ? fillMs / double(families) : 0.0);
    // Machine-readable lines for scripts/bench.sh.
    std::printf("RESULT\tfonts\tenumerate families (%zu)\t%.4g\tms\n", families, enumerateMs);
    std::printf("RESULT\tfonts\tfill the TrueType list (%d)\t%.4g\tms\n", combo.count(), fillMs);
    return 0;
}
