#include "core/Exception.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "qt/platform/FontChangeWatcher.h"
#include "qt/platform/FontEnumeration.h"
#include "support/TestFontSet.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(TFontListOptions)

namespace {

QStringList entries(const TFontComboBox& combo) {
    QStringList names;
    for (int i = 0; i < combo.count(); ++i)
        names << combo.itemText(i);
    return names;
}

int typeOf(const TFontComboBox& combo, const QString& family) {
    const int i = combo.findText(family);
    return i < 0 ? -1 : combo.itemData(i, TFontComboBox::FontTypeRole).toInt();
}

// The picker as the main window has it.
void setUpLikeMainWindow(TFontComboBox& combo) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    combo.setFont(font);
    combo.setTrueTypeOnly(true);
}

QImage renderEntry(const TFontComboBox& combo, int index, QSize size = {137, 16}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    combo.drawEntry(&painter, QRect(QPoint(0, 0), size), index, false, false);
    return image;
}

bool columnIsBackground(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) != QColor(Qt::white))
            return false;
    return true;
}

} // namespace

class TestFontComboBox : public QObject {
    Q_OBJECT

public:
    explicit TestFontComboBox(const TestFontSet& fonts)
        : m_fonts(fonts) {}

private slots:
    void init() {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        QApplication::setPalette(palette);
    }

    void trueTypeListHoldsEachFamilyOnceSorted() {
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        combo.createWindow();
        const QStringList names = entries(combo);
        // The bitmap and the non-TrueType outline family are not TrueType; Arial and
        // Times New Roman are fontconfig's metric aliases of the installed Liberation
        // fonts; Courier New's alias target is not installed, MS Sans Serif only has a
        // weak fallback.
        QStringList folded;
        for (const QString& n : names)
            folded << n.toCaseFolded();
        QCOMPARE(folded,
                 QStringList({"arial", "dejavu sans", "dejavu sans mono", "liberation sans",
                              "liberation serif", "symbolic test", "times new roman", "vanishing serif"}));
        QVERIFY(names.contains("Arial"));
        QVERIFY(names.contains("DejaVu Sans"));
    }

    // One pass through fontconfig's rules for all the Windows names finds for each the family
    // that a pass for that name alone finds.
    void aliasTargetsTogetherMatchOneByOne() {
        const std::vector<platform::FontFamily> installed = platform::enumerateFontFamilies();
        const std::vector<QString>& names = platform::windowsFamilyNames();
        const std::vector<QString> together = platform::metricAliasTargets(names, installed);
        QCOMPARE(together.size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            QCOMPARE(together[i], platform::metricAliasTarget(names[i], installed));
        QCOMPARE(together[0], QStringLiteral("Liberation Sans")); // Arial
    }

    void fontTypeWords_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("type");
        QTest::newRow("TrueType text family") << "DejaVu Sans" << (4 | 256);
        QTest::newRow("TrueType symbol family") << "Symbolic Test" << 4;
        QTest::newRow("alias of a TrueType family") << "Arial" << (4 | 256);
        QTest::newRow("other outline format: device") << "Outline PS" << (2 | 256);
        QTest::newRow("bitmap family: raster") << "Pixel Raster" << (1 | 256);
    }
    void fontTypeWords() {
        QFETCH(QString, family);
        QFETCH(int, type);
        TFontComboBox combo;
        combo.createWindow();
        QCOMPARE(typeOf(combo, family), type);
    }

    void optionsFilter_data() {
        QTest::addColumn<TFontListOptions>("options");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("notListed");
        QTest::newRow("none") << TFontListOptions()
                              << QStringList{"Pixel Raster", "Outline PS", "Symbolic Test"} << QStringList{};
        QTest::newRow("fixed pitch") << TFontListOptions(foFixedPitchOnly)
                                     << QStringList{"DejaVu Sans Mono", "Pixel Raster"}
                                     << QStringList{"DejaVu Sans", "Liberation Serif"};
        QTest::newRow("scalable") << TFontListOptions(foScalableOnly)
                                  << QStringList{"Outline PS", "DejaVu Sans"} << QStringList{"Pixel Raster"};
        QTest::newRow("no symbol") << TFontListOptions(foNoSymbolFonts) << QStringList{"DejaVu Sans"}
                                   << QStringList{"Symbolic Test"};
        QTest::newRow("ANSI: covers Latin-1")
            << TFontListOptions(foAnsiOnly) << QStringList{"Liberation Sans"}
            << QStringList{"Symbolic Test", "Pixel Raster"};
        QTest::newRow("no OEM fonts exist")
            << TFontListOptions(foNoOEMFonts) << QStringList{"Pixel Raster"} << QStringList{};
        QTest::newRow("TrueType and fixed") << (foTrueTypeOnly | foFixedPitchOnly)
                                            << QStringList{"DejaVu Sans Mono"} << QStringList{"Pixel Raster"};
    }
    void optionsFilter() {
        QFETCH(TFontListOptions, options);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, notListed);
        TFontComboBox combo;
        combo.setOptions(options);
        combo.createWindow();
        for (const QString& family : listed)
            QVERIFY2(combo.findText(family) >= 0, qPrintable(family));
        for (const QString& family : notListed)
            QVERIFY2(combo.findText(family) < 0, qPrintable(family));
    }

    void oemOnlyListsNothing() {
        TFontComboBox combo;
        combo.setOptions(foOEMFontsOnly);
        combo.createWindow();
        QCOMPARE(combo.count(), 0);
    }

    void printerDevicesListTheScreenFamilies() {
        TFontComboBox screen;
        screen.createWindow();
        TFontComboBox both;
        both.setDevice(fdBoth);
        both.createWindow();
        QCOMPARE(entries(both), entries(screen));
    }

    void setFontName_data() {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reads");
        QTest::addColumn<int>("changes");
        QTest::newRow("lower case of a listed family") << ""
                                                       << "arial"
                                                       << "Arial" << 1;
        QTest::newRow("lower case of the selected family") << "Arial"
                                                           << "arial"
                                                           << "Arial" << 1;
        QTest::newRow("the selected name exactly") << "Arial"
                                                   << "Arial"
                                                   << "Arial" << 0;
        QTest::newRow("unlisted family") << "Arial"
                                         << "Wingdings"
                                         << "" << 1;
        QTest::newRow("raster family filtered out") << ""
                                                    << "Pixel Raster"
                                                    << "" << 1;
        QTest::newRow("empty name clears") << "Arial"
                                           << ""
                                           << "" << 1;
    }
    void setFontName() {
        QFETCH(QString, initial);
        QFETCH(QString, name);
        QFETCH(QString, reads);
        QFETCH(int, changes);
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        combo.setFontName(initial);
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setFontName(name);
        QCOMPARE(combo.fontName(), reads);
        QCOMPARE(combo.currentIndex(), reads.isEmpty() ? -1 : combo.findText(reads));
        QCOMPARE(spy.count(), changes);
        if (changes)
            QCOMPARE(spy.first().first().value<QObject*>(), &combo);
    }

    void settingANameCreatesTheWindow() {
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        QVERIFY(!combo.windowCreated());
        QCOMPARE(combo.fontName(), QString());
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setFontName(QStringLiteral("Arial"));
        QVERIFY(combo.windowCreated());
        QCOMPARE(combo.currentText(), QStringLiteral("Arial"));
        QCOMPARE(spy.count(), 1);
    }

    void whileLoadingTheNameIsOnlyStored_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("afterCreation");
        QTest::addColumn<int>("changes");
        QTest::newRow("listed, other case") << "liberation serif"
                                            << "Liberation Serif" << 0;
        QTest::newRow("unlisted") << "Wingdings"
                                  << "" << 1;
    }
    void whileLoadingTheNameIsOnlyStored() {
        QFETCH(QString, stored);
        QFETCH(QString, afterCreation);
        QFETCH(int, changes);
        TFontComboBox combo;
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setLoading(true);
        setUpLikeMainWindow(combo);
        combo.setFontName(stored);
        QVERIFY(!combo.windowCreated());
        QCOMPARE(combo.fontName(), stored);
        combo.setLoading(false);
        QCOMPARE(spy.count(), 0);
        combo.show();
        QVERIFY(combo.windowCreated());
        QCOMPARE(combo.fontName(), afterCreation);
        QCOMPARE(spy.count(), changes);
    }

    void fontNameIsCutTo31Characters() {
        TFontComboBox combo;
        combo.setLoading(true);
        combo.setFontName(QString(40, QLatin1Char('x')));
        QCOMPARE(combo.fontName(), QString(31, QLatin1Char('x')));
    }

    void eachUserChoiceRaisesOnChangeOnce() {
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        combo.setFontName(QStringLiteral("Arial"));
        QSignalSpy changes(&combo, &TOwnerDrawComboBox::OnChange);
        QSignalSpy clicks(&combo, &TOwnerDrawComboBox::OnClick);
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(combo.fontName(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(clicks.count(), 1);
        emit combo.activated(combo.currentIndex()); // the same entry picked again
        QCOMPARE(changes.count(), 2);
    }

    void changingTheFilterKeepsTheName() {
        TFontComboBox combo;
        combo.setFontName(QStringLiteral("DejaVu Sans"));
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        combo.setTrueTypeOnly(true);
        QCOMPARE(combo.fontName(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(spy.count(), 0);
        combo.setTrueTypeOnly(false);
        combo.setFontName(QStringLiteral("Outline PS"));
        spy.clear();
        combo.setTrueTypeOnly(true);
        QCOMPARE(combo.fontName(), QString());
        QCOMPARE(spy.count(), 1);
    }

    void missingGlyphResourceRaisesResNotFound_data() {
        QTest::addColumn<QString>("missing");
        QTest::newRow("TrueType glyph") << "TRUETYPE_FNT";
        QTest::newRow("device glyph") << "DEVICE_FNT";
    }
    void missingGlyphResourceRaisesResNotFound() {
        QFETCH(QString, missing);
        auto loader = [missing](const QString& name) {
            return name == missing ? QPixmap() : TFontComboBox::loadResource(name);
        };
        try {
            TFontComboBox combo(nullptr, loader);
            QFAIL("no exception");
        } catch (const core::EResNotFound& e) {
            QCOMPARE(QString::fromStdString(e.message()),
                     QStringLiteral("Resource %1 not found").arg(missing));
        }
    }

    void glyphsAre20By12WithTransparentBackground() {
        TFontComboBox combo;
        for (const QPixmap* glyph : {&combo.trueTypeGlyph(), &combo.deviceGlyph()}) {
            QCOMPARE(glyph->size(), QSize(20, 12));
            const QImage image = glyph->toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(qAlpha(image.pixel(0, 11)), 0);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
    }

    void itemHeightFollowsTheFontWithTheGlyphAsFloor() {
        TFontComboBox combo;
        QFont tiny(QStringLiteral("DejaVu Sans"));
        tiny.setPixelSize(4);
        combo.setFont(tiny);
        QCOMPARE(combo.itemHeight(), 11);
        QFont large(QStringLiteral("DejaVu Sans"));
        large.setPixelSize(20);
        combo.setFont(large);
        QCOMPARE(combo.itemHeight(), QFontMetrics(large).height() + 1);
    }

    void entryDrawing_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QPoint>("glyphProbe"); // within the glyph
        QTest::addColumn<QColor>("glyphColor");
        QTest::addColumn<int>("textLeft");
        QTest::newRow("TrueType glyph: black T") << "DejaVu Sans" << QPoint(8, 5) << QColor(Qt::black) << 26;
        QTest::newRow("device glyph: green lamp") << "Outline PS" << QPoint(13, 6) << QColor(0, 128, 0) << 26;
        QTest::newRow("raster: no glyph") << "Pixel Raster" << QPoint(-1, -1) << QColor() << 26;
    }
    void entryDrawing() {
        QFETCH(QString, family);
        QFETCH(QPoint, glyphProbe);
        QFETCH(QColor, glyphColor);
        QFETCH(int, textLeft);
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        combo.setTrueTypeOnly(false);
        combo.createWindow();
        const QImage image = renderEntry(combo, combo.findText(family), {137, 17});
        // Glyph at left 2, top (0 + 17 - 12) / 2 = 2; its magenta shows the background.
        if (glyphProbe.x() >= 0) {
            QCOMPARE(image.pixelColor(QPoint(2, 2) + glyphProbe), glyphColor);
            QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
            QCOMPARE(image.pixelColor(2, 1), QColor(Qt::white));
        }
        for (int x = 22; x < textLeft; ++x)
            QVERIFY2(columnIsBackground(image, x), qPrintable(QString::number(x)));
        bool text = false;
        for (int x = textLeft; x < textLeft + 10 && !text; ++x)
            text = !columnIsBackground(image, x);
        QVERIFY(text);
    }

    void useFontsNeverForSymbolFamilies() {
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        combo.createWindow();
        auto both = [&](const QString& family) {
            const int i = combo.findText(family);
            combo.setUseFonts(false);
            const QImage plain = renderEntry(combo, i);
            combo.setUseFonts(true);
            return std::pair(plain, renderEntry(combo, i));
        };
        const auto [monoPlain, monoOwn] = both(QStringLiteral("DejaVu Sans Mono"));
        QVERIFY(monoPlain != monoOwn);
        const auto [symbolPlain, symbolOwn] = both(QStringLiteral("Symbolic Test"));
        QCOMPARE(symbolOwn, symbolPlain);
    }

    void removingTheSelectedFamilyRaisesOnChangeOnce() {
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        combo.setFontName(QStringLiteral("Vanishing Serif"));
        QCOMPARE(combo.fontName(), QStringLiteral("Vanishing Serif"));
        TFontComboBox other; // a second picker on another family keeps its name
        other.setFontName(QStringLiteral("Arial"));
        QSignalSpy spy(&combo, &TOwnerDrawComboBox::OnChange);
        QSignalSpy otherSpy(&other, &TOwnerDrawComboBox::OnChange);
        platform::FontChangeWatcher::instance(); // watching from now on
        QVERIFY(QFile::remove(m_fonts.removableFont()));
        QTRY_COMPARE(spy.count(), 1);
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(combo.fontName(), QString());
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.findText(QStringLiteral("Vanishing Serif")), -1);
        QCOMPARE(otherSpy.count(), 0);
        QCOMPARE(other.fontName(), QStringLiteral("Arial"));
    }

    void accessibleAsComboBoxWithHintAndValue() {
        TFontComboBox combo;
        combo.setHint(QStringLiteral("Change Screen Fonts|"));
        combo.setFontName(QStringLiteral("Arial"));
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(&combo);
        QVERIFY(a11y);
        QCOMPARE(a11y->role(), QAccessible::ComboBox);
        QCOMPARE(a11y->text(QAccessible::Description), QStringLiteral("Change Screen Fonts"));
        QCOMPARE(a11y->text(QAccessible::Value), QStringLiteral("Arial"));
    }

    void droppedListRowsHaveTheItemHeight() {
        TFontComboBox combo;
        setUpLikeMainWindow(combo);
        combo.setGeometry(105, 4, 137, 21);
        combo.show();
        combo.setFontName(QStringLiteral("Arial"));
        combo.showPopup();
        QAbstractItemView* view = combo.view();
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->visualRect(view->model()->index(1, 0)).height(), combo.itemHeight());
        const QString dir = qEnvironmentVariable("VANTOREL_GRAB_DIR");
        if (!dir.isEmpty())
            view->window()->grab().save(dir + "/font-list.png");
        combo.hidePopup();
    }

private:
    const TestFontSet& m_fonts;
};

VANTOREL_FONT_TEST_MAIN(TestFontComboBox)
#include "tst_fontcombobox.moc"
