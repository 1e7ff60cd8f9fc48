#include "qt/platform/SystemColors.h"
#include "qt/platform/Text8Bit.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

using namespace platform;

class TestText8Bit : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips() {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString text = fromWindows1252(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(isWindows1252(text));
        QCOMPARE(toWindows1252(text), all);
    }

    void knownCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("euro") << QString(QChar(0x20AC)) << QByteArray("\x80");
        QTest::newRow("e acute") << QString(QChar(0xE9)) << QByteArray("\xE9");
        QTest::newRow("s caron") << QString(QChar(0x0161)) << QByteArray("\x9A");
        QTest::newRow("undefined 0x81 as C1") << QString(QChar(0x81)) << QByteArray("\x81");
    }
    void knownCharacters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(toWindows1252(text)), bytes);
        QCOMPARE(fromWindows1252(bytes.toStdString()), text);
    }

    void refusesCharactersOutsideTheCodePage_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("cyrillic") << QString::fromUtf8("Спартак");
        QTest::newRow("C1 0x80 is not the euro sign") << QString(QChar(0x80));
        QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x98\x80");
    }
    void refusesCharactersOutsideTheCodePage() {
        QFETCH(QString, text);
        QVERIFY(!isWindows1252(text));
    }

    void plainAndSystemColours() {
        QCOMPARE(resolveColor(core::clRed), QColor(255, 0, 0));
        QCOMPARE(resolveColor(core::rgb(0, 128, 255)), QColor(0, 128, 255));
        QCOMPARE(toRgb(core::clNavy), core::clNavy);
        // System colours follow the palette.
        QCOMPARE(resolveColor(core::clHighlight), QGuiApplication::palette().color(QPalette::Highlight));
        // Without a role: the classic value.
        QCOMPARE(resolveColor(core::clWindowFrame), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestText8Bit)
#include "tst_text8bit.moc"
