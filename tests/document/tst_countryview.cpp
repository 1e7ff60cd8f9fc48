#include "TestFiles.h"
#include "document/ConfigBuffer.h"
#include "document/CountryPlaces.h"
#include "document/CountryView.h"

#include <QTest>

#include <array>

using namespace document;

namespace {

// Place fields that record their texts, visibility and the order of the calls.
class FakeFields : public PlaceFields {
public:
    std::array<std::string, kFieldCount> texts;
    std::array<bool, kFieldCount> visible{};
    QStringList calls;

    std::string fieldText(int field) const override { return texts[std::size_t(field)]; }
    void setFieldText(int field, const std::string& text) override {
        texts[std::size_t(field)] = text;
        calls << QString("text %1").arg(field + 1);
    }
    void setFieldVisible(int field, bool v) override {
        visible[std::size_t(field)] = v;
        calls << QString("%1 %2").arg(v ? "show" : "hide").arg(field + 1);
    }
    QList<int> shown() const {
        QList<int> s;
        for (int f = 0; f < kFieldCount; ++f)
            if (visible[std::size_t(f)])
                s << f + 1;
        return s;
    }
};

// A buffer whose line n reads "line n".
ConfigBuffer numberedBuffer(int lines) {
    std::string text;
    for (int n = 0; n < lines; ++n)
        text += "line " + std::to_string(n) + (n + 1 < lines ? "\r\n" : "");
    ConfigBuffer b;
    b.setText(text);
    return b;
}

int rowOf(std::string_view caption) {
    return rowByCaption(caption).value();
}

} // namespace

class TestCountryView : public QObject {
    Q_OBJECT

private slots:
    void showCountry_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Latvia") << "Latvia" << QList<int>{1} << QStringList{"line 227"};
        QTest::newRow("France") << "France" << QList<int>{1, 2, 4, 5, 6, 7, 8, 9, 10}
                                << QStringList{"line 42", "line 43", "line 44", "line 45", "line 46",
                                               "line 47", "line 48", "line 49", "line 50"};
        QTest::newRow("Bosnia") << "Bosnia-Heregavina" << QList<int>{8} << QStringList{"line 306"};
        QTest::newRow("England") << "England" << QList<int>{1, 2, 3, 4, 5, 6, 8}
                                 << QStringList{"line 1", "line 2", "line 3", "line 4",
                                                "line 5", "line 6", "line 7"};
    }
    void showCountry() {
        QFETCH(QString, caption);
        QFETCH(QList<int>, shown);
        QFETCH(QStringList, texts);
        const ConfigBuffer buffer = numberedBuffer(310);
        FakeFields fields;
        fields.texts.fill("earlier");
        document::showCountry(buffer, rowOf(caption.toStdString()), fields);
        QCOMPARE(fields.shown(), shown);
        QStringList got;
        for (int f : shown)
            got << QString::fromStdString(fields.texts[std::size_t(f - 1)]);
        QCOMPARE(got, texts);
        for (int f = 1; f <= kFieldCount; ++f)
            if (!shown.contains(f))
                QCOMPARE(fields.texts[std::size_t(f - 1)], std::string("earlier"));
    }

    void showVisitsFieldsInOrderTextBeforeShow() {
        const ConfigBuffer buffer = numberedBuffer(310);
        FakeFields fields;
        document::showCountry(buffer, 0, fields);
        QCOMPARE(fields.calls, (QStringList{"text 1", "show 1", "text 2", "show 2", "text 3", "show 3",
                                            "text 4", "show 4", "text 5", "show 5", "text 6", "show 6",
                                            "hide 7", "text 8", "show 8", "hide 9", "hide 10"}));
    }

    void bosniaApplyWritesOnlyLine306() {
        ConfigBuffer buffer = numberedBuffer(310);
        const std::string before = buffer.wholeText();
        FakeFields fields;
        fields.texts.fill("typed");
        document::applyChanges(buffer, "Bosnia-Heregavina", fields);
        QCOMPARE(buffer.readLine(306), std::string("typed"));
        buffer.replaceLine(306, "line 306");
        QCOMPARE(buffer.wholeText(), before);
    }

    void hiddenFieldFromEarlierRowIsNotWritten() {
        ConfigBuffer buffer = numberedBuffer(310);
        FakeFields fields;
        document::showCountry(buffer, rowOf("Italy"), fields);
        document::showCountry(buffer, rowOf("Spain"), fields);
        QVERIFY(!fields.visible[8]);
        QCOMPARE(fields.texts[8], std::string("line 18"));
        for (auto& t : fields.texts)
            t = "new " + t;
        document::applyChanges(buffer, "Spain", fields);
        for (int n = 32; n <= 39; ++n)
            QCOMPARE(buffer.readLine(std::size_t(n)), "new line " + std::to_string(n));
        QCOMPARE(buffer.readLine(18), std::string("line 18"));
        QCOMPARE(buffer.readLine(40), std::string("line 40"));
    }

    void hiddenButUsedFieldIsWritten() {
        ConfigBuffer buffer = numberedBuffer(310);
        FakeFields fields;
        fields.texts.fill("t");
        fields.visible.fill(false); // after Open only England's table decides, not visibility
        document::applyChanges(buffer, "England", fields);
        for (int n = 1; n <= 7; ++n)
            QCOMPARE(buffer.readLine(std::size_t(n)), std::string("t"));
        QCOMPARE(buffer.readLine(8), std::string("line 8"));
    }

    void noMatchingCaptionWritesNothing_data() {
        QTest::addColumn<QString>("label");
        QTest::newRow("start caption") << "Country";
        QTest::newRow("list entry, not caption") << "FYR of Macedonia";
        QTest::newRow("lower case") << "england";
        QTest::newRow("empty") << "";
    }
    void noMatchingCaptionWritesNothing() {
        QFETCH(QString, label);
        ConfigBuffer buffer = numberedBuffer(310);
        const std::string before = buffer.wholeText();
        FakeFields fields;
        fields.texts.fill("x");
        document::applyChanges(buffer, label.toStdString(), fields);
        QCOMPARE(buffer.wholeText(), before);
    }

    void shortBufferShowsEmptyFieldsAndDropsTheirText() {
        ConfigBuffer buffer = numberedBuffer(100);
        const std::string before = buffer.wholeText();
        FakeFields fields;
        fields.texts.fill("stale");
        document::showCountry(buffer, rowOf("Russia"), fields);
        QCOMPARE(fields.shown(), (QList<int>{1, 2, 4, 8, 9}));
        for (int f : {0, 1, 3, 7, 8})
            QCOMPARE(fields.texts[std::size_t(f)], std::string());
        fields.texts.fill("typed");
        document::applyChanges(buffer, "Russia", fields);
        QCOMPARE(buffer.lineCount(), std::size_t(100));
        QCOMPARE(buffer.wholeText(), before);
    }

    void applyTwiceEqualsOnce() {
        ConfigBuffer once = numberedBuffer(310);
        ConfigBuffer twice = numberedBuffer(310);
        FakeFields fields;
        document::showCountry(once, rowOf("Holland"), fields);
        fields.texts[0] = "Ajax";
        fields.texts[7] = "";
        document::applyChanges(once, "Holland", fields);
        document::applyChanges(twice, "Holland", fields);
        document::applyChanges(twice, "Holland", fields);
        QCOMPARE(twice.wholeText(), once.wholeText());
        QCOMPARE(once.readLine(53), std::string("Ajax"));
        QCOMPARE(once.readLine(58), std::string()); // an empty field gives an empty line
        QCOMPARE(once.lineCount(), std::size_t(310));
    }

    void applyKeepsALineLongerThanTheField() {
        ConfigBuffer buffer = numberedBuffer(310);
        const std::string longLine(5000, 'L');
        buffer.replaceLine(1, longLine);
        FakeFields fields;
        document::showCountry(buffer, 0, fields);
        QCOMPARE(fields.texts[0].size(), std::size_t(4096));
        document::applyChanges(buffer, "England", fields);
        QCOMPARE(buffer.readLine(1), longLine.substr(0, 4096));
        QVERIFY(buffer.wholeText().find(longLine) != std::string::npos);
        fields.texts[0] = "edited";
        document::applyChanges(buffer, "England", fields);
        QCOMPARE(buffer.readLine(1), std::string("edited"));
    }

    void templateFollowsTheTable() {
        ConfigBuffer buffer;
        buffer.load(VANTOREL_TEMPLATE_PATH);
        QCOMPARE(buffer.lineCount(), std::size_t(308)); // 307 lines, each ending in CR LF
        QCOMPARE(buffer.readLine(307), std::string());
        const char* const competitions[] = {
            "Champions League", "Champions League", "Champions League", "UEFA Cup",       "UEFA Cup",
            "UEFA Cup",         "UEFA Cup",         "Inter Toto Cup",   "Inter Toto Cup", "Inter Toto Cup"};
        const int groupFirst[] = {0, 0, 0, 3, 3, 3, 3, 7, 7, 7};
        std::vector<bool> named(307, false);
        for (int r = 0; r < kCountryCount; ++r) {
            for (int f = 0; f < kFieldCount; ++f) {
                const auto line = placeLine(r, f);
                if (!line)
                    continue;
                named[std::size_t(*line)] = true;
                const std::string expected = std::string(countryRow(r).listEntry) + " " + competitions[f] +
                                             " " + std::to_string(f - groupFirst[f] + 1);
                QCOMPARE(buffer.readLine(std::size_t(*line)), expected);
            }
        }
        for (std::size_t n = 0; n < named.size(); ++n)
            if (!named[n])
                QVERIFY2(buffer.readLine(n).rfind(";", 0) == 0, qPrintable(QString("line %1").arg(n)));
    }
};

QTEST_APPLESS_MAIN(TestCountryView)
#include "tst_countryview.moc"
