#include "ui/FontListFilter.h"
#include "ui/SpeedButtonLook.h"
#include "ui/StandardColors.h"

#include <QTest>

using core::TColor;

namespace {
constexpr TColor kDarkGrey = core::rgb(64, 64, 64);
}

// The controls' rules that hold no state: colour names and numbers, the swatch border, the font
// list's filter and the glyph count.
class TestControlRules : public QObject {
    Q_OBJECT

private slots:
    void colorNames_data() {
        QTest::addColumn<TColor>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("standard") << core::clFuchsia << "Fuchsia";
        QTest::newRow("system colour") << core::clBtnFace << "BtnFace";
        QTest::newRow("other") << kDarkGrey << "$00404040";
        QTest::newRow("top byte set, not a system index") << TColor(0x8000ABCDu) << "$8000abcd";
    }
    void colorNames() {
        QFETCH(TColor, color);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(ui::colorName(color)), name);
    }

    void matching() {
        QCOMPARE(ui::standardColorIndex(core::clRed), 9);
        QCOMPARE(ui::standardColorIndex(core::clBlack), 0);
        QCOMPARE(ui::standardColorIndex(kDarkGrey), -1);
        // A system colour is not the plain colour it draws as.
        QCOMPARE(ui::standardColorIndex(core::clBtnFace), -1);
    }

    void colorNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value"); // -1: not a number
        QTest::newRow("dollar hexadecimal") << "$00404040" << qint64(kDarkGrey);
        QTest::newRow("0x hexadecimal, all 32 bits") << "0xFFFFFFFF" << qint64(0xFFFFFFFF);
        QTest::newRow("negative decimal") << "-1" << qint64(0xFFFFFFFF);
        QTest::newRow("trailing blank") << "255 " << qint64(255);
        QTest::newRow("leading blank") << " 255" << qint64(-1);
        QTest::newRow("sign after the prefix") << "$-1" << qint64(-1);
        QTest::newRow("past the signed 32-bit range") << "2147483648" << qint64(-1);
        QTest::newRow("lowest signed value") << "-2147483648" << qint64(0x80000000);
        QTest::newRow("not a number") << "Navy" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
    }
    void colorNumbers() {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        const std::optional<TColor> parsed = ui::parseColorNumber(text.toStdString());
        QCOMPARE(parsed.has_value(), value >= 0);
        if (parsed)
            QCOMPARE(qint64(*parsed), value);
    }

    void swatchBorder_data() {
        QTest::addColumn<TColor>("color");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<TColor>("border");
        QTest::newRow("yellow") << core::clYellow << false << core::clBlack;
        QTest::newRow("yellow selected") << core::clYellow << true << core::clBlack;
        QTest::newRow("navy") << core::clNavy << false << core::clNavy;
        QTest::newRow("navy selected") << core::clNavy << true << core::clWhite;
        QTest::newRow("silver at 192 keeps its colour") << core::clSilver << false << core::clSilver;
        QTest::newRow("silver selected") << core::clSilver << true << core::clWhite;
        QTest::newRow("one channel above 192") << core::rgb(0, 0, 193) << false << core::clBlack;
    }
    void swatchBorder() {
        QFETCH(TColor, color);
        QFETCH(bool, selected);
        QFETCH(TColor, border);
        QCOMPARE(ui::swatchBorder(color, selected), border);
    }

    // The character sets Linux fonts never report, as a Windows enumeration does.
    void fontFilter_data() {
        QTest::addColumn<unsigned>("type");
        QTest::addColumn<int>("charset");
        QTest::addColumn<unsigned>("options");
        QTest::addColumn<bool>("passes");
        using namespace ui;
        QTest::newRow("OEM only takes the OEM set")
            << unsigned(RasterFontType) << int(kOemCharset) << unsigned(foOEMFontsOnly) << true;
        QTest::newRow("OEM only refuses ANSI")
            << unsigned(TrueTypeFontType) << int(kAnsiCharset) << unsigned(foOEMFontsOnly) << false;
        QTest::newRow("no OEM refuses the OEM set")
            << unsigned(RasterFontType) << int(kOemCharset) << unsigned(foNoOEMFonts) << false;
        QTest::newRow("ANSI only refuses another set")
            << unsigned(TrueTypeFontType) << 204 << unsigned(foAnsiOnly) << false;
        QTest::newRow("TrueType only refuses a device font")
            << unsigned(DeviceFontType) << int(kAnsiCharset) << unsigned(foTrueTypeOnly) << false;
        QTest::newRow("no options take all") << unsigned(RasterFontType) << int(kSymbolCharset) << 0u << true;
    }
    void fontFilter() {
        QFETCH(unsigned, type);
        QFETCH(int, charset);
        QFETCH(unsigned, options);
        QFETCH(bool, passes);
        QCOMPARE(ui::passesFontFilter({type, std::uint8_t(charset), 0}, options), passes);
    }

    void fontEntryType() {
        QCOMPARE(ui::fontEntryType({ui::TrueTypeFontType, ui::kAnsiCharset, 0}),
                 unsigned(ui::TrueTypeFontType | ui::WritableFontFlag));
        QCOMPARE(ui::fontEntryType({ui::TrueTypeFontType, ui::kSymbolCharset, 0}),
                 unsigned(ui::TrueTypeFontType));
    }

    void impliedNumGlyphs_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("expected"); // 0: keeps the count it had
        QTest::newRow("16x16 one") << 16 << 16 << 1;
        QTest::newRow("32x16 two") << 32 << 16 << 2;
        QTest::newRow("80x16 five") << 80 << 16 << 5;
        QTest::newRow("96x16 six is one") << 96 << 16 << 1;
        QTest::newRow("20x16 keeps") << 20 << 16 << 0;
        QTest::newRow("empty keeps") << 0 << 0 << 0;
    }
    void impliedNumGlyphs() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, expected);
        QCOMPARE(ui::impliedNumGlyphs(width, height), expected);
    }
};

QTEST_APPLESS_MAIN(TestControlRules)
#include "tst_controlrules.moc"
