#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/platform/SystemColors.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using core::TColor;

namespace {

constexpr TColor kDarkGrey = core::rgb(64, 64, 64);

QImage renderEntry(const TColorComboBox& combo, int index, bool selected, QSize size = {121, 16}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    combo.drawEntry(&painter, QRect(QPoint(0, 0), size), index, selected, false);
    return image;
}

QColor highlight() {
    return platform::systemColor(core::SystemColor::Highlight);
}

} // namespace

class TestColorComboBox : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        QApplication::setPalette(palette);
    }

    void entriesAreTheSixteenColoursInTableOrder() {
        TColorComboBox combo;
        combo.createWindow();
        const QStringList expected{"Black",  "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Gray",
                                   "Silver", "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
        QCOMPARE(combo.count(), 16);
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(combo.itemText(i), expected.at(i));
            QCOMPARE(combo.itemData(i, TColorComboBox::ColorRole).value<uint>(),
                     TColorComboBox::standardColor(i));
        }
        QCOMPARE(TColorComboBox::standardColor(9), core::rgb(255, 0, 0));
        QCOMPARE(TColorComboBox::standardColor(4), core::rgb(0, 0, 128));
    }

    void newPickerShowsBlackHavingRaisedOnChangeOnce() {
        TColorComboBox combo;
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        QVERIFY(!combo.windowCreated());
        QCOMPARE(combo.colorValue(), core::clBlack);
        QCOMPARE(spy.count(), 0); // reading never creates the window
        combo.show();
        QCOMPARE(combo.currentText(), QStringLiteral("Black"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().value<QObject*>(), &combo);
    }

    void setColorValue_data() {
        QTest::addColumn<TColor>("first");
        QTest::addColumn<TColor>("second");
        QTest::addColumn<int>("firstChanges");
        QTest::addColumn<int>("secondChanges");
        QTest::addColumn<QString>("text");
        QTest::newRow("red, then red again") << core::clRed << core::clRed << 1 << 0 << "Red";
        QTest::newRow("unlisted grey twice") << kDarkGrey << kDarkGrey << 1 << 1 << "";
        QTest::newRow("grey, then silver") << kDarkGrey << core::clSilver << 1 << 1 << "Silver";
        QTest::newRow("system colour: unlisted") << core::clBtnFace << core::clBtnFace << 1 << 1 << "";
        QTest::newRow("black: already current") << core::clBlack << core::clBlack << 0 << 0 << "Black";
    }
    void setColorValue() {
        QFETCH(TColor, first);
        QFETCH(TColor, second);
        QFETCH(int, firstChanges);
        QFETCH(int, secondChanges);
        QFETCH(QString, text);
        TColorComboBox combo;
        combo.createWindow();
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setColorValue(first);
        QCOMPARE(spy.count(), firstChanges);
        combo.setColorValue(second);
        QCOMPARE(spy.count(), firstChanges + secondChanges);
        QCOMPARE(combo.colorValue(), second);
        QCOMPARE(combo.currentText(), text);
        QCOMPARE(combo.currentIndex() < 0, text.isEmpty());
    }

    void settingOnAFreshPickerCreatesItFirst() {
        TColorComboBox combo;
        QList<TColor> seen;
        connect(&combo, &TOwnerDrawComboBox::OnChange, this,
                [&](QObject* sender) { seen << static_cast<TColorComboBox*>(sender)->colorValue(); });
        combo.setColorValue(core::clRed);
        QVERIFY(combo.windowCreated());
        QCOMPARE(seen, (QList<TColor>{core::clBlack, core::clRed}));
    }

    void whileLoadingNothingIsRaised() {
        TColorComboBox combo;
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setLoading(true);
        combo.setColorValue(core::clNavy);
        QVERIFY(!combo.windowCreated());
        combo.show(); // created while still loading
        combo.setLoading(false);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(combo.currentText(), QStringLiteral("Navy"));
        combo.setColorValue(core::clRed);
        QCOMPARE(spy.count(), 1);
    }

    void userChoiceRaisesOnChangeOnceWhenTheColourDiffers() {
        TColorComboBox combo;
        combo.setColorValue(core::clRed);
        QSignalSpy changes(&combo, &TOwnerDrawComboBox::OnChange);
        QSignalSpy clicks(&combo, &TOwnerDrawComboBox::OnClick);
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(combo.colorValue(), core::clLime);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(clicks.count(), 1);
        emit combo.activated(combo.currentIndex()); // the current colour again
        QCOMPARE(changes.count(), 1);
        QCOMPARE(clicks.count(), 2);
    }

    void colorNamesReplaceNamesLineByLine() {
        TColorComboBox combo;
        combo.setColorValue(kDarkGrey);
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setColorNames({"Noir", "", "Vert"});
        QCOMPARE(combo.itemText(0), QStringLiteral("Noir"));
        QCOMPARE(combo.itemText(1), QStringLiteral("Maroon"));
        QCOMPARE(combo.itemText(2), QStringLiteral("Vert"));
        QCOMPARE(combo.itemText(15), QStringLiteral("White"));
        // The rebuilt list keeps the colour and announces it once.
        QCOMPARE(combo.colorValue(), kDarkGrey);
        QCOMPARE(spy.count(), 1);
    }

    void typedStyleShowsAndReadsNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<TColor>("value");
        QTest::newRow("entry name, other case") << "navy" << core::clNavy;
        QTest::newRow("dollar hexadecimal") << "$00404040" << kDarkGrey;
        QTest::newRow("0x hexadecimal") << "0xff" << core::clRed;
        QTest::newRow("decimal") << "12632256" << core::clSilver;
        QTest::newRow("negative decimal") << "-1" << TColor(0xFFFFFFFFu);
        QTest::newRow("not a colour keeps the value") << "xyz" << core::clGreen;
        // Each keystroke is a change: the last text that named a colour stands.
        QTest::newRow("past a name") << "reddish" << core::clRed;
        QTest::newRow("past the 32-bit range") << "99999999999" << TColor(999999999u);
    }
    void typedStyleShowsAndReadsNames() {
        QFETCH(QString, typed);
        QFETCH(TColor, value);
        TColorComboBox combo;
        combo.setComboStyle(csDropDown);
        combo.setColorValue(core::clGreen);
        QVERIFY(combo.isEditable());
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.lineEdit()->clear();
        QTest::keyClicks(combo.lineEdit(), typed);
        QCOMPARE(combo.colorValue(), value);
        QCOMPARE(spy.isEmpty(), value == core::clGreen);
    }

    void typedStyleShowsTheNameOfAnUnlistedColour() {
        TColorComboBox combo;
        combo.setComboStyle(csSimple);
        combo.setColorValue(kDarkGrey);
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.currentText(), QStringLiteral("$00404040"));
        QCOMPARE(combo.colorValue(), kDarkGrey);
    }

    void swatchBorder_data() {
        QTest::addColumn<TColor>("color");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("border");
        QTest::newRow("navy") << core::clNavy << false << QColor(0, 0, 128);
        QTest::newRow("system colour resolved")
            << core::clHighlightText << false
            << (platform::systemColor(core::SystemColor::HighlightText).red() > 192
                    ? QColor(Qt::black)
                    : platform::systemColor(core::SystemColor::HighlightText));
    }
    void swatchBorder() {
        QFETCH(TColor, color);
        QFETCH(bool, selected);
        QFETCH(QColor, border);
        QCOMPARE(TColorComboBox::swatchBorder(color, selected), border);
    }

    void drawnEntry_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("border");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("yellow") << 11 << false << QColor(Qt::white) << QColor(Qt::black)
                                << QColor(255, 255, 0);
        QTest::newRow("navy selected") << 4 << true << highlight() << QColor(Qt::white) << QColor(0, 0, 128);
    }
    void drawnEntry() {
        QFETCH(int, index);
        QFETCH(bool, selected);
        QFETCH(QColor, background);
        QFETCH(QColor, border);
        QFETCH(QColor, fill);
        TColorComboBox combo;
        combo.createWindow();
        const QImage image = renderEntry(combo, index, selected);
        // Swatch from (2, 2) to (23, 13) inclusive in a 16-pixel row: 22 wide.
        QCOMPARE(image.pixelColor(1, 8), background);
        QCOMPARE(image.pixelColor(8, 1), background);
        QCOMPARE(image.pixelColor(2, 2), border);
        QCOMPARE(image.pixelColor(23, 13), border);
        QCOMPARE(image.pixelColor(12, 7), fill);
        QCOMPARE(image.pixelColor(3, 3), fill);
        QCOMPARE(image.pixelColor(24, 8), background);
        QCOMPARE(image.pixelColor(8, 14), background);
        // The name starts at 28.
        for (int x = 24; x < 28; ++x)
            for (int y = 0; y < 16; ++y)
                QCOMPARE(image.pixelColor(x, y), background);
        bool name = false;
        for (int x = 28; x < 40 && !name; ++x)
            for (int y = 0; y < 16 && !name; ++y)
                name = image.pixelColor(x, y) != background;
        QVERIFY(name);
    }

    void withoutNamesTheSwatchFillsTheRow() {
        TColorComboBox combo;
        combo.createWindow();
        combo.setDisplayNames(false);
        const QImage image = renderEntry(combo, 9, false);
        QCOMPARE(image.pixelColor(117, 8), QColor(Qt::black)); // last border column: right - 4
        QCOMPARE(image.pixelColor(116, 8), QColor(Qt::red));
        QCOMPARE(image.pixelColor(118, 8), QColor(Qt::white)); // right - 3
        QCOMPARE(image.pixelColor(60, 8), QColor(Qt::red));
    }

    void closedFieldShowsTheCurrentSwatch() {
        TColorComboBox combo;
        combo.setGeometry(284, 4, 121, 21);
        combo.show();
        combo.setColorValue(core::clBlue);
        const QImage image = combo.grab().toImage();
        int blue = 0;
        for (int x = 0; x < 40; ++x)
            blue += image.pixelColor(x, 10) == QColor(Qt::blue);
        QVERIFY(blue >= 15);
    }

    void itemHeightFollowsTheFont_data() {
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("11 px") << 11;
        QTest::newRow("tiny font: at least 9") << 3;
        QTest::newRow("24 px") << 24;
    }
    void itemHeightFollowsTheFont() {
        QFETCH(int, pixelSize);
        TColorComboBox combo;
        combo.createWindow();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixelSize);
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setFont(font);
        QCOMPARE(combo.itemHeight(), std::max(QFontMetrics(font).height() + 1, 9));
        // The font change recreated the window: entries rebuilt, colour kept.
        QCOMPARE(combo.count(), 16);
        QCOMPARE(combo.currentText(), QStringLiteral("Black"));
        QCOMPARE(spy.count(), 1);
    }

    void styleChangeRebuildsAndKeepsTheColour() {
        TColorComboBox combo;
        combo.setColorValue(core::clTeal);
        combo.setComboStyle(csDropDown);
        QVERIFY(combo.isEditable());
        QCOMPARE(combo.currentText(), QStringLiteral("Teal"));
        combo.setComboStyle(csDropDownList);
        QVERIFY(!combo.isEditable());
        QCOMPARE(combo.colorValue(), core::clTeal);
    }

    void accessibleAsComboBoxWithHintAndValue() {
        TColorComboBox combo;
        combo.setHint(QStringLiteral("Change Screen Font Color|"));
        combo.setColorValue(core::clRed);
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(&combo);
        QVERIFY(a11y);
        QCOMPARE(a11y->role(), QAccessible::ComboBox);
        QCOMPARE(a11y->text(QAccessible::Description), QStringLiteral("Change Screen Font Color"));
        QCOMPARE(a11y->text(QAccessible::Value), QStringLiteral("Red"));
        QCOMPARE(combo.toolTip(), QStringLiteral("Change Screen Font Color"));
    }

    void droppedListRowsHaveTheItemHeight() {
        TColorComboBox combo;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        combo.setFont(font);
        combo.setGeometry(284, 4, 121, 21);
        combo.show();
        combo.setColorValue(core::clNavy);
        combo.showPopup();
        QAbstractItemView* view = combo.view();
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->visualRect(view->model()->index(3, 0)).height(), combo.itemHeight());
        const QString dir = qEnvironmentVariable("VANTOREL_GRAB_DIR");
        if (!dir.isEmpty()) {
            view->window()->grab().save(dir + "/color-list.png");
            combo.hidePopup();
            combo.grab().save(dir + "/color-closed.png");
        }
        combo.hidePopup();
    }
};

QTEST_MAIN(TestColorComboBox)
#include "tst_colorcombobox.moc"
