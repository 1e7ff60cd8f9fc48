#include "document/CountryPlaces.h"

#include <QTest>

#include <set>

using namespace document;

namespace {

struct Group {
    int first, fields;
};
constexpr Group kGroups[] = {{0, 3}, {3, 4}, {7, 3}};

} // namespace

class TestCountryPlaces : public QObject {
    Q_OBJECT

private slots:
    void invariantsHoldForEveryRow() {
        int expectedFirst = 1;
        int total = 0, highest = 0;
        int perGroup[3] = {0, 0, 0};
        std::set<std::string_view> captions;
        for (int r = 0; r < kCountryCount; ++r) {
            const CountryRow& row = countryRow(r);
            int next = expectedFirst;
            int places = 0;
            for (int g = 0; g < 3; ++g) {
                bool gap = false;
                for (int i = 0; i < kGroups[g].fields; ++i) {
                    const int line = row.lines[std::size_t(kGroups[g].first + i)];
                    if (line < 0) {
                        gap = true;
                        continue;
                    }
                    QVERIFY2(!gap, qPrintable(QString("row %1: a used field below a hidden one").arg(r)));
                    QCOMPARE(line, next);
                    ++next;
                    ++places;
                    ++perGroup[g];
                    highest = std::max(highest, line);
                }
            }
            QVERIFY2(places > 0, qPrintable(QString("row %1 has no place").arg(r)));
            QVERIFY(captions.insert(row.caption).second);
            total += places;
            expectedFirst = next + 2;
        }
        QCOMPARE(total, 212);
        QCOMPARE(perGroup[0], 56);
        QCOMPARE(perGroup[1], 86);
        QCOMPARE(perGroup[2], 70);
        QCOMPARE(highest, 306);
    }

    void fieldUsageCounts() {
        const int expected[kFieldCount] = {40, 12, 4, 41, 26, 15, 4, 45, 24, 1};
        for (int f = 0; f < kFieldCount; ++f) {
            int used = 0;
            for (int r = 0; r < kCountryCount; ++r)
                used += placeLine(r, f).has_value();
            QCOMPARE(used, expected[f]);
        }
        for (int r = 0; r < kCountryCount; ++r) {
            QCOMPARE(placeLine(r, 2).has_value(), r <= 3);
            QCOMPARE(placeLine(r, 6).has_value(), r >= 1 && r <= 4);
            QCOMPARE(placeLine(r, 9).has_value(), r == 4);
        }
    }

    void literalRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("England") << 0 << "England"
                                 << "England" << QList<int>{1, 2, 3, 4, 5, 6, -1, 7, -1, -1};
        QTest::newRow("Italy") << 1 << "Italy"
                               << "Italy" << QList<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, -1};
        QTest::newRow("France") << 4 << "France"
                                << "France" << QList<int>{42, 43, -1, 44, 45, 46, 47, 48, 49, 50};
        QTest::newRow("Russia") << 11 << "Russia"
                                << "Russia" << QList<int>{103, 104, -1, 105, -1, -1, -1, 106, 107, -1};
        QTest::newRow("Hungary") << 18 << "Hungary"
                                 << "Hungary" << QList<int>{-1, -1, -1, 153, -1, -1, -1, 154, -1, -1};
        QTest::newRow("Cyprus") << 24 << "Cyprus"
                                << "Cyprus" << QList<int>{190, -1, -1, 191, -1, -1, -1, -1, -1, -1};
        QTest::newRow("Latvia") << 31 << "Latvia"
                                << "Latvia" << QList<int>{227, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        QTest::newRow("Macedonia") << 32 << "FYR of Macedonia"
                                   << "FYA of Macedonia"
                                   << QList<int>{230, -1, -1, 231, 232, -1, -1, 233, 234, -1};
        QTest::newRow("Albania") << 43 << "Albania"
                                 << "Albania" << QList<int>{290, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        QTest::newRow("Azerbaijan") << 46 << "Azerbaijan"
                                    << "Azerbaijan" << QList<int>{-1, -1, -1, 301, -1, -1, -1, 302, 303, -1};
        QTest::newRow("Bosnia") << 47 << "Bosnia-Herzegovina"
                                << "Bosnia-Heregavina" << QList<int>{-1, -1, -1, -1, -1, -1, -1, 306, -1, -1};
    }
    void literalRows() {
        QFETCH(int, row);
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        QFETCH(QList<int>, lines);
        const CountryRow& r = countryRow(row);
        QCOMPARE(QString::fromUtf8(r.listEntry.data(), qsizetype(r.listEntry.size())), entry);
        QCOMPARE(QString::fromUtf8(r.caption.data(), qsizetype(r.caption.size())), caption);
        for (int f = 0; f < kFieldCount; ++f) {
            const auto line = placeLine(row, f);
            QCOMPARE(line.value_or(-1), lines[f]);
        }
    }

    void onlyTwoCaptionsDifferFromTheList() {
        QList<int> differing;
        for (int r = 0; r < kCountryCount; ++r)
            if (countryRow(r).caption != countryRow(r).listEntry)
                differing << r;
        QCOMPARE(differing, (QList<int>{32, 47}));
    }

    void linesNamedByNoRow() {
        std::set<int> named;
        for (int r = 0; r < kCountryCount; ++r)
            for (int f = 0; f < kFieldCount; ++f)
                if (const auto line = placeLine(r, f))
                    named.insert(*line);
        for (int unnamed : {0, 8, 9, 19, 20, 304, 305})
            QVERIFY2(!named.count(unnamed), qPrintable(QString::number(unnamed)));
        QCOMPARE(*named.rbegin(), 306);
    }

    void captionLookup_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("row");
        QTest::newRow("England") << "England" << 0;
        QTest::newRow("Czech Republic") << "Czech Republic" << 8;
        QTest::newRow("caption FYA") << "FYA of Macedonia" << 32;
        QTest::newRow("caption Heregavina") << "Bosnia-Heregavina" << 47;
        QTest::newRow("list entry FYR") << "FYR of Macedonia" << -1;
        QTest::newRow("list entry Herzegovina") << "Bosnia-Herzegovina" << -1;
        QTest::newRow("lower case") << "england" << -1;
        QTest::newRow("trailing blank") << "England " << -1;
        QTest::newRow("prefix") << "Engl" << -1;
        QTest::newRow("start caption") << "Country" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void captionLookup() {
        QFETCH(QString, caption);
        QFETCH(int, row);
        const QByteArray bytes = caption.toUtf8();
        QCOMPARE(rowByCaption(std::string_view(bytes.constData(), std::size_t(bytes.size()))).value_or(-1),
                 row);
    }

    void outOfRange() {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, countryRow(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, countryRow(kCountryCount));
        QVERIFY(!placeLine(48, 0));
        QVERIFY(!placeLine(0, 10));
        QVERIFY(!placeLine(0, -1));
    }
};

QTEST_APPLESS_MAIN(TestCountryPlaces)
#include "tst_countryplaces.moc"
