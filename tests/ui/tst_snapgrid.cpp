#include "ui/SnapGrid.h"

#include <QTest>

class TestSnapGrid : public QObject {
    Q_OBJECT

private slots:
    void snapStep_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("step");
        QTest::newRow("24 -> 8") << 24 << 8;
        QTest::newRow("25 -> 5 (25 itself lowered)") << 25 << 5;
        QTest::newRow("30 -> 10") << 30 << 10;
        QTest::newRow("36 -> 9") << 36 << 9;
        QTest::newRow("48 -> 8") << 48 << 8;
        QTest::newRow("12 -> 4") << 12 << 4;
        QTest::newRow("7 prime -> 1") << 7 << 1;
        QTest::newRow("23 prime -> 1") << 23 << 1;
        QTest::newRow("2 -> 1") << 2 << 1;
        QTest::newRow("1 -> 1") << 1 << 1;
    }
    void snapStep() {
        QFETCH(int, length);
        QFETCH(int, step);
        QCOMPARE(::snapStep(length), step);
    }

    void snapAlong_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("snapped");
        QTest::newRow("on grid") << 27 << 3 << 8 << 27;
        QTest::newRow("below half down") << 30 << 3 << 8 << 27;
        QTest::newRow("above half up") << 32 << 3 << 8 << 35;
        QTest::newRow("half to even (1.5 -> 2)") << 12 << 0 << 8 << 16;
        QTest::newRow("half to even (2.5 -> 2)") << 20 << 0 << 8 << 16;
        QTest::newRow("half to even (0.5 -> 0)") << 4 << 0 << 8 << 0;
        QTest::newRow("half to even (3.5 -> 4) with offset") << 31 << 3 << 8 << 35;
        QTest::newRow("negative half (-1.5 -> -2)") << -12 << 0 << 8 << -16;
        QTest::newRow("before the offset") << 1 << 5 << 9 << 5;
    }
    void snapAlong() {
        QFETCH(int, position);
        QFETCH(int, offset);
        QFETCH(int, step);
        QFETCH(int, snapped);
        QCOMPARE(::snapAlong(position, offset, step), snapped);
    }

    void snapAcross_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("snapped");
        QTest::newRow("fraction cut, not rounded") << 26 << 3 << 24 << 3;
        QTest::newRow("one step") << 30 << 3 << 24 << 27;
        QTest::newRow("on offset") << 5 << 5 << 36 << 5;
    }
    void snapAcross() {
        QFETCH(int, position);
        QFETCH(int, offset);
        QFETCH(int, step);
        QFETCH(int, snapped);
        QCOMPARE(::snapAcross(position, offset, step), snapped);
    }
};

QTEST_APPLESS_MAIN(TestSnapGrid)
#include "tst_snapgrid.moc"
