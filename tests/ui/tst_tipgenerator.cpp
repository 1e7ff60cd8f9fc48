#include "ui/TipGenerator.h"

#include <QTest>

#include <chrono>

using namespace std::chrono;
using ui::TipGenerator;

namespace {

system_clock::time_point utc(int year, unsigned month, unsigned day, int h, int m, int s, int ms) {
    const sys_days date =
        year_month_day{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    return system_clock::time_point(date + hours(h) + minutes(m) + seconds(s) + milliseconds(ms));
}

// The tip window's draws at start-up.
std::uint32_t startUpDraws(TipGenerator& g) {
    std::uint32_t shown = 0;
    for (std::uint32_t range = 1; range <= 25; ++range)
        shown = g.random(range);
    return shown;
}

} // namespace

class TestTipGenerator : public QObject {
    Q_OBJECT

private slots:
    // The draw takes the top 32 bits of a 64-bit product: the largest seed gives range - 1.
    void drawUsesTheFullProduct() {
        TipGenerator g;
        g.setSeed(1298181734u); // advances to 0xFFFFFFFF
        QCOMPARE(g.random(25), 24u);
        QCOMPARE(g.seed(), 0xFFFFFFFFu);
        QCOMPARE(g.random(0xFFFFFFFFu), 0xF7F77BFBu); // the seed wraps to 0xF7F77BFC
    }

    void millisecondsSinceMidnight_data() {
        QTest::addColumn<qint64>("msSinceEpoch");
        QTest::addColumn<uint>("expected");
        auto ms = [](system_clock::time_point t) {
            return qint64(duration_cast<milliseconds>(t.time_since_epoch()).count());
        };
        QTest::newRow("midnight") << ms(utc(2026, 12, 8, 0, 0, 0, 0)) << 0u;
        QTest::newRow("last millisecond of the day") << ms(utc(2026, 12, 8, 23, 59, 59, 999)) << 86399999u;
        QTest::newRow("12:34:56.789 on a leap day") << ms(utc(2000, 2, 29, 12, 34, 56, 789)) << 45296789u;
        QTest::newRow("before 1970") << ms(utc(1969, 12, 31, 23, 59, 59, 999)) << 86399999u;
    }
    void millisecondsSinceMidnight() {
        QFETCH(qint64, msSinceEpoch);
        QFETCH(uint, expected);
        const system_clock::time_point t{milliseconds(msSinceEpoch)};
        QCOMPARE(TipGenerator::millisecondsSinceMidnight(t), expected);
    }

    // The window's start-up draws (ranges 1 to 25) can end on the last tip, index 24.
    void startUpCanShowTheLastTip() {
        std::uint32_t ms = 0;
        for (; ms < 100000; ++ms) {
            TipGenerator g;
            g.setSeed(ms);
            if (startUpDraws(g) == 24u)
                break;
        }
        QVERIFY(ms < 100000);
    }
};

QTEST_APPLESS_MAIN(TestTipGenerator)
#include "tst_tipgenerator.moc"
