#include "ui/GradientBands.h"

#include <QTest>

using core::TColor;
using ui::Box;
using ui::GradientBand;

Q_DECLARE_METATYPE(ui::Box)

namespace {

// The colour the bands give pixel x, or nothing where no band covers it.
std::optional<TColor> colorAt(const std::vector<GradientBand>& bands, int x) {
    for (const GradientBand& band : bands)
        if (x >= band.box.left && x < band.box.right())
            return band.color;
    return std::nullopt;
}

constexpr TColor kStart = core::rgb(0, 128, 255);
constexpr TColor kNavy = core::rgb(0, 0, 128);

} // namespace

class TestGradientBands : public QObject {
    Q_OBJECT

private slots:
    void mulDivRounding_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("expected");
        QTest::newRow("band 6 green of 32") << 6 << -128 << 31 << -25;
        QTest::newRow("band 6 blue of 32") << 6 << -127 << 31 << -25;
        QTest::newRow("positive half rounds up") << 1 << 1 << 2 << 1;
        QTest::newRow("negative half rounds down") << 1 << -1 << 2 << -1;
        QTest::newRow("below half rounds to zero") << 1 << -1 << 3 << 0;
        QTest::newRow("negative divisor") << 3 << 1 << -2 << -2;
        QTest::newRow("exact") << 31 << -128 << 31 << -128;
    }
    void mulDivRounding() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, expected);
        QCOMPARE(ui::mulDivRounded(a, b, c), expected);
    }

    // The strip of width 400: the gradient runs from x = -100 to 400 in 32 bands of 15 pixels,
    // the last 20 pixels in the end colour.
    void gradientOf400Pixels_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<TColor>("expected");
        QTest::newRow("first band starts off the strip") << -100 << kStart;
        QTest::newRow("visible left edge in band 6") << 0 << core::rgb(0, 103, 230);
        QTest::newRow("last pixel of band 6") << 4 << core::rgb(0, 103, 230);
        QTest::newRow("first pixel of band 7") << 5 << core::rgb(0, 99, 226);
        QTest::newRow("last pixel of band 30") << 364 << core::rgb(0, 4, 132);
        QTest::newRow("band 31 is the end colour") << 365 << kNavy;
        QTest::newRow("remainder starts at 380") << 380 << kNavy;
        QTest::newRow("last pixel") << 399 << kNavy;
    }
    void gradientOf400Pixels() {
        QFETCH(int, x);
        QFETCH(TColor, expected);
        const auto bands = ui::gradientBands(Box{-100, 0, 500, 18}, kStart, kNavy, 32);
        QCOMPARE(bands.size(), std::size_t(33));
        QCOMPARE(bands.back().box, (Box{380, 0, 20, 18}));
        QCOMPARE(colorAt(bands, x), std::optional<TColor>(expected));
        QCOMPARE(colorAt(bands, 400), std::nullopt);
    }

    void edgeCases_data() {
        QTest::addColumn<Box>("r");
        QTest::addColumn<int>("steps");
        QTest::addColumn<std::vector<GradientBand>>("expected");
        const TColor end = core::rgb(200, 0, 0);
        QTest::newRow("no steps: the start colour")
            << Box{0, 0, 10, 4} << 0 << std::vector<GradientBand>{{{0, 0, 10, 4}, kStart}};
        QTest::newRow("one step: the start colour")
            << Box{0, 0, 10, 4} << 1 << std::vector<GradientBand>{{{0, 0, 10, 4}, kStart}};
        QTest::newRow("more steps than pixels: a band per pixel")
            << Box{0, 0, 3, 4} << 32
            << std::vector<GradientBand>{{{0, 0, 1, 4}, kStart},
                                         {{1, 0, 1, 4}, ui::gradientBandColor(kStart, end, 1, 3)},
                                         {{2, 0, 1, 4}, end}};
        QTest::newRow("two steps over 5 pixels: one pixel of remainder")
            << Box{0, 0, 5, 4} << 2
            << std::vector<GradientBand>{{{0, 0, 2, 4}, kStart}, {{2, 0, 2, 4}, end}, {{4, 0, 1, 4}, end}};
        QTest::newRow("empty") << Box{0, 0, 0, 4} << 32 << std::vector<GradientBand>{};
    }
    void edgeCases() {
        QFETCH(Box, r);
        QFETCH(int, steps);
        QFETCH(std::vector<GradientBand>, expected);
        QVERIFY(ui::gradientBands(r, kStart, core::rgb(200, 0, 0), steps) == expected);
    }
};

QTEST_APPLESS_MAIN(TestGradientBands)
#include "tst_gradientbands.moc"
