#include "ui/TextShortening.h"

#include <QString>
#include <QTest>

#include <string>

namespace {

// A proportional fake measure: '.' is 2 px, every other character 10 px.
template <class String> int fakeWidth(const String& s) {
    int w = 0;
    for (auto c : s)
        w += c == typename String::value_type(u'.') ? 2 : 10;
    return w;
}

} // namespace

class TestTextShortening : public QObject {
    Q_OBJECT

private slots:
    void shorten_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("available");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fits exactly") << "Apply Changes" << 130 << "Apply Changes";
        QTest::newRow("first try: length-2 + dots") << "Apply Changes" << 129 << "Apply Chang...";
        QTest::newRow("third try") << "Apply Changes" << 100 << "Apply Cha...";
        QTest::newRow("short word") << "Apply" << 35 << "Ap...";
        QTest::newRow("down to dots alone") << "Apply" << 15 << "...";
        QTest::newRow("nothing fits: still dots") << "Apply" << 2 << "...";
        QTest::newRow("single char too wide") << "A" << 5 << "...";
        QTest::newRow("empty") << "" << 0 << "";
    }
    // Qt draws QString, Win32 std::wstring: both give the same text.
    void shorten() {
        QFETCH(QString, text);
        QFETCH(int, available);
        QFETCH(QString, expected);
        QCOMPARE(ui::shortenText(text, available, fakeWidth<QString>), expected);
        QCOMPARE(
            QString::fromStdWString(ui::shortenText(text.toStdWString(), available, fakeWidth<std::wstring>)),
            expected);
    }

    void buttonCaptionCutAt255() {
        const QString longText(300, QLatin1Char('x'));
        const auto width = [](const QString& s) {
            return int(s.size());
        };
        QCOMPARE(ui::shortenButtonCaption(longText, 1000, width).size(), 255);
        QCOMPARE(ui::shortenButtonCaption(longText, 254, width), QString(251, QLatin1Char('x')) + "...");
        // A caption: the whole text, however long, when it fits.
        QCOMPARE(ui::shortenText(longText, 1000, width), longText);
    }
};

QTEST_APPLESS_MAIN(TestTextShortening)
#include "tst_textshortening.moc"
