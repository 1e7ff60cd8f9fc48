// The main window as built: every control's place, size, text, font, colour and
// start state read back from the widgets, the command bar, focus and tooltips.

#include "MainWindowDriver.h"
#include "qt/controls/caption/GradientCaption.h"
#include "qt/controls/commandbar/SpeedBar.h"
#include "qt/controls/commandbar/SpeedbarSection.h"
#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "qt/windows/AboutWin.h"
#include "ui/TipGenerator.h"
#include "qt/windows/TipWin.h"

#include <QAccessible>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

namespace {

QString controlText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    if (auto* button = qobject_cast<TSpeedButton*>(w))
        return button->caption();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    return QString();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase() {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        app::setApplicationTitle();
        app::useClassicStyle();
    }

    void window() {
        MainWindowDriver d;
        TForm1& form = *d.form;
        QCOMPARE(form.windowTitle(), "Vantorel 99/00 V2.5");
        QCOMPARE(form.windowHandle()->title(), "Vantorel 99/00 V2.5");
        // The drawn caption and border surround the client area, which keeps its size.
        auto* caption = form.findChild<TGradientCaption*>("GradientCaption1");
        QVERIFY(caption && caption->isAttached());
        QCOMPARE(caption->caption(), "Vantorel 99/00 V2.5");
        QCOMPARE(caption->gradientSteps(), 32);
        QCOMPARE(caption->startColor(), core::rgb(0, 128, 255));
        QCOMPARE(form.size(), QSize(623, 306));
        QCOMPARE(form.clientArea()->geometry(), QRect(3, 22, 617, 281));
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form.x(), screen.left() + (screen.width() - 623) / 2);
        QCOMPARE(form.y(), screen.top() + (screen.height() - 306) / 2);

        // Without it the window has its own fixed frame: minimise, no maximise.
        caption->setActive(false);
        QCOMPARE(form.size(), QSize(617, 281));
        QCOMPARE(form.minimumSize(), QSize(617, 281));
        QCOMPARE(form.maximumSize(), QSize(617, 281));
        QCOMPARE(form.clientArea()->geometry(), QRect(0, 0, 617, 281));
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        QCOMPARE(form.font().family(), "MS Sans Serif");
        QCOMPARE(form.font().pixelSize(), 11);
        QCOMPARE(form.palette().color(QPalette::Window), platform::resolveColor(core::clBtnFace));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        const QColor black(0, 0, 0), blue(0, 0, 255), green(0, 128, 0), red(255, 0, 0), yellow(255, 255, 0);
        // clang-format off
        QTest::newRow("Label2, the country label") << "Label2" << "QLabel" << "ClientArea" << QRect(216, 52, 188, 25)
            << "Country" << "Arial Black" << 16 << false << true << black << true << false;
        QTest::newRow("Label1, the opened path") << "Label1" << "QLabel" << "ClientArea" << QRect(215, 40, 52, 14)
            << "ConfigPath" << "Arial" << 11 << false << false << black << false << true;
        QTest::newRow("SpeedButton1, Apply Changes") << "SpeedButton1" << "TSpeedButton" << "ClientArea"
            << QRect(215, 228, 188, 32) << "Apply Changes" << "Arial" << 11 << false << false << black << true << true;
        QTest::newRow("GroupBox1, Champions League") << "GroupBox1" << "QGroupBox" << "ClientArea"
            << QRect(13, 40, 188, 110) << "Champions League" << "Arial" << 11 << true << false << blue << true << true;
        QTest::newRow("GroupBox3, UEFA Cup") << "GroupBox3" << "QGroupBox" << "ClientArea"
            << QRect(215, 83, 188, 134) << "UEFA Cup" << "Arial" << 11 << true << false << green << true << true;
        QTest::newRow("GroupBox4, Inter Toto Cup") << "GroupBox4" << "QGroupBox" << "ClientArea"
            << QRect(13, 160, 188, 105) << "Inter Toto Cup" << "Arial" << 11 << true << false << red << true << true;
        QTest::newRow("GroupBox5, the country box") << "GroupBox5" << "QGroupBox" << "ClientArea"
            << QRect(416, 40, 190, 225) << "Country" << "Arial" << 11 << true << false << yellow << true << true;
        QTest::newRow("SpeedBar1, the command bar") << "SpeedBar1" << "TSpeedBar" << "ClientArea"
            << QRect(0, 0, 617, 30) << "" << "MS Sans Serif" << 11 << false << false << black << true << true;
        QTest::newRow("ListBox1, the country list") << "ListBox1" << "CountryList" << "GroupBox5"
            << QRect(23, 24, 145, 185) << "" << "Arial" << 11 << false << false << black << true << false;
        QTest::newRow("FontComboBox1") << "FontComboBox1" << "TFontComboBox" << "SpeedBar1"
            << QRect(105, 4, 137, 21) << "" << "Arial" << 11 << false << false << black << true << true;
        QTest::newRow("ColorComboBox1") << "ColorComboBox1" << "TColorComboBox" << "SpeedBar1"
            << QRect(284, 4, 121, 21) << "" << "Arial" << 11 << false << false << black << true << true;
        const struct { int field; const char* group; int top; } fields[] = {
            {1, "GroupBox1", 24}, {2, "GroupBox1", 48}, {3, "GroupBox1", 72},
            {4, "GroupBox3", 24}, {5, "GroupBox3", 48}, {6, "GroupBox3", 72}, {7, "GroupBox3", 96},
            {8, "GroupBox4", 20}, {9, "GroupBox4", 44}, {10, "GroupBox4", 68},
        };
        // clang-format on
        for (const auto& f : fields) {
            const QString name = QStringLiteral("Edit%1").arg(f.field);
            QTest::newRow(qPrintable(name + " in " + f.group))
                << name << "PlaceEdit" << f.group << QRect(22, f.top, 147, 21) << ""
                << "Arial" << 12 << false << false << black << true << false;
        }
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(QColor, color);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        MainWindowDriver d;
        QWidget* w = d.control(qPrintable(name));
        QVERIFY(w);
        QCOMPARE(w->metaObject()->className(), className);
        QCOMPARE(w->parentWidget()->objectName(), parentName);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(controlText(w), text);
        QCOMPARE(w->font().family(), family);
        QCOMPARE(w->font().pixelSize(), pixels);
        QCOMPARE(w->font().bold(), bold);
        QCOMPARE(w->font().underline(), underline);
        const QPalette::ColorRole role =
            qobject_cast<QGroupBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w)
                ? QPalette::Text
                : QPalette::WindowText;
        QCOMPARE(w->palette().color(QPalette::Active, role), color);
        QCOMPARE(!w->isHidden(), visible);
        QCOMPARE(w->isEnabled(), enabled);
    }

    void placeFieldsStartEmptyAndTakeFocusByMouseOnly() {
        MainWindowDriver d;
        for (int f = 1; f <= 10; ++f) {
            QLineEdit* e = d.edit(f);
            QCOMPARE(e->focusPolicy(), Qt::ClickFocus);
            QVERIFY(e->text().isEmpty());
            QVERIFY(!e->hasFrame() || e->frameGeometry() == e->geometry());
            QVERIFY(e->validator());
        }
    }

    void countryList() {
        MainWindowDriver d;
        CountryList* list = d.list();
        QCOMPARE(list->count(), document::kCountryCount);
        for (int row = 0; row < list->count(); ++row)
            QCOMPARE(list->item(row)->text(), platform::fromWindows1252(document::countryRow(row).listEntry));
        QCOMPARE(list->item(0)->text(), "England");
        QCOMPARE(list->item(32)->text(), "FYR of Macedonia");
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(list->visualItemRect(list->item(1)).top() - list->visualItemRect(list->item(0)).top(), 14);
        QCOMPARE(list->visualItemRect(list->item(0)).height(), 14);
        QCOMPARE(list->frameShadow(), QFrame::Sunken);
    }

    void commandBarItems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("groupIndex");
        QTest::addColumn<int>("numGlyphs");
        QTest::newRow("SpeedItem5 New") << "SpeedItem5"
                                        << "New"
                                        << "Main" << 3 << true << 0 << 1;
        QTest::newRow("SpeedItem1 Open") << "SpeedItem1"
                                         << "Open"
                                         << "Main" << 27 << true << 0 << 1;
        QTest::newRow("SpeedItem2 Save") << "SpeedItem2"
                                         << "Save"
                                         << "Main" << 51 << false << 0 << 1;
        QTest::newRow("SpeedItem6 Font") << "SpeedItem6"
                                         << "Font"
                                         << "Other" << 251 << true << 2 << 2;
        QTest::newRow("SpeedItem3 Tip") << "SpeedItem3"
                                        << "Tip of the Day"
                                        << "Other" << 563 << true << 0 << 1;
        QTest::newRow("SpeedItem4 About") << "SpeedItem4"
                                          << "About"
                                          << "Other" << 587 << true << 0 << 1;
    }
    void commandBarItems() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, section);
        QFETCH(int, left);
        QFETCH(bool, enabled);
        QFETCH(int, groupIndex);
        QFETCH(int, numGlyphs);
        MainWindowDriver d;
        TSpeedItem* item = d.item(qPrintable(name));
        QVERIFY(item);
        QCOMPARE(item->caption(), caption);
        QCOMPARE(item->sectionName(), section);
        QCOMPARE(item->hint(), caption + "|");
        QCOMPARE(item->button()->toolTip(), caption);
        QCOMPARE(item->button()->geometry(), QRect(left, 3, 24, 24));
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(item->button()->isEnabled(), enabled);
        QCOMPARE(item->groupIndex(), groupIndex);
        QCOMPARE(item->allowAllUp(), groupIndex != 0);
        QCOMPARE(item->isDown(), false);
        QCOMPARE(item->numGlyphs(), numGlyphs);
        QCOMPARE(item->glyph().size(), QSize(16 * numGlyphs, 16));
        QCOMPARE(item->spacing(), 1);
        QCOMPARE(item->margin(), -1);
        QVERIFY(item->isVisible());
    }

    void commandBarSettings() {
        MainWindowDriver d;
        auto* bar = d.control<TSpeedBar>("SpeedBar1");
        QCOMPARE(bar->options(), TSpeedbarOptions(TSpeedbarOption::StretchBitmap));
        QCOMPARE(bar->btnWidth(), 24);
        QCOMPARE(bar->btnHeight(), 24);
        QCOMPARE(bar->btnOffsetHorz(), 3);
        QCOMPARE(bar->btnOffsetVert(), 3);
        QVERIFY(bar->showHint());
        QStringList sections;
        for (const TSpeedbarSection* s : bar->sections())
            sections << s->name();
        QCOMPARE(sections, QStringList({"Main", "Other"}));
        QCOMPARE(bar->items().size(), 6);
    }

    void pickers() {
        MainWindowDriver d;
        auto* fonts = d.control<TFontComboBox>("FontComboBox1");
        auto* colors = d.control<TColorComboBox>("ColorComboBox1");
        QVERIFY(fonts->trueTypeOnly());
        QCOMPARE(fonts->options(), TFontListOptions(foTrueTypeOnly));
        QCOMPARE(fonts->toolTip(), "Change Screen Fonts");
        QCOMPARE(colors->toolTip(), "Change Screen Font Color");
        for (QComboBox* picker : {static_cast<QComboBox*>(fonts), static_cast<QComboBox*>(colors)}) {
            QCOMPARE(picker->focusPolicy(), Qt::ClickFocus);
            QVERIFY(!picker->hasFrame());
        }
    }

    void onlyTheBarThePickersAndApplyChangesHaveTooltips() {
        MainWindowDriver d;
        QStringList withTips;
        for (QWidget* w : d.form->clientArea()->findChildren<QWidget*>()) {
            if (w->toolTip().isEmpty())
                continue;
            withTips << w->objectName() + "=" + w->toolTip();
            // Assistive technology reads the tooltip as the control's description.
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), w->toolTip());
        }
        for (TSpeedItem* item : d.form->findChildren<TSpeedItem*>()) {
            withTips.removeOne(item->button()->objectName() + "=" + item->caption());
            QCOMPARE(QAccessible::queryAccessibleInterface(item->button())->text(QAccessible::Name),
                     item->caption());
        }
        withTips.sort();
        QCOMPARE(withTips,
                 QStringList({"ColorComboBox1=Change Screen Font Color", "FontComboBox1=Change Screen Fonts",
                              "SpeedButton1=Apply Changes Before Saving"}));
    }

    void onlyTheCountryListIsReachedByTab() {
        MainWindowDriver d;
        d.newDocument();
        QStringList tabStops;
        for (QWidget* w : d.form->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(d.form.get()) &&
                !w->isWindow())
                tabStops << w->objectName();
        QCOMPARE(tabStops, QStringList({"ListBox1"}));

        d.form->activateWindow();
        d.list()->setFocus();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), d.list());
        }
        // A click gives a place field the focus all the same.
        QTest::mouseClick(d.edit(1), Qt::LeftButton, {}, d.edit(1)->rect().center());
        QCOMPARE(QApplication::focusWidget(), d.edit(1));
    }

    void startState() {
        MainWindowDriver d;
        QCOMPARE(d.countryLabel()->text(), "Country");
        QVERIFY(!d.countryLabel()->isEnabled());
        QVERIFY(!d.item("SpeedItem2")->isEnabled());
        QVERIFY(!d.list()->isEnabled());
        QCOMPARE(d.shownFields(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        for (int f = 1; f <= 10; ++f)
            QVERIFY(!d.edit(f)->isEnabled());
        QCOMPARE(d.pathLabel()->text(), "ConfigPath");
        QVERIFY(d.pathLabel()->isHidden());
        QVERIFY(d.form->documentPath().isEmpty());
        QVERIFY(d.form->openFileName().isEmpty());
        QCOMPARE(d.text(), "");
        QVERIFY(d.control<TSpeedButton>("SpeedButton1")->isEnabled());
        for (const char* name : {"SpeedItem5", "SpeedItem1", "SpeedItem6", "SpeedItem3", "SpeedItem4"})
            QVERIFY2(d.item(name)->button()->isEnabled(), name);
    }

    void applyChangesAtStartDoesNothing() {
        MainWindowDriver d;
        d.apply();
        QCOMPARE(d.text(), "");
        QCOMPARE(d.form->buffer().lineCount(), std::size_t(1));
        QCOMPARE(d.countryLabel()->text(), "Country");
        QVERIFY(d.presenter.boxes.isEmpty());
    }

    void disabledCountryLabelIsDrawnGreyed() {
        MainWindowDriver d;
        QLabel* label = d.countryLabel();
        const QImage before = label->grab().toImage();
        d.newDocument();
        const QImage after = label->grab().toImage();
        // Enabled, the text is black; disabled, nothing of it is.
        const auto darkest = [](const QImage& image) {
            int lowest = 255;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    lowest = std::min(lowest, qGray(image.pixel(x, y)));
            return lowest;
        };
        QVERIFY2(darkest(before) > 64, qPrintable(QString::number(darkest(before))));
        QCOMPARE(darkest(after), 0);
    }

    void displayPreferencesAreRestoredAppliedAndStored() {
        const QString store = m_config.filePath("vantorel/registry.reg");
        QFile::remove(store);
        {
            MainWindowDriver d;
            d.form->FormCreate();
            auto* fonts = d.control<TFontComboBox>("FontComboBox1");
            QCOMPARE(fonts->fontName(), "Arial");
            d.click("SpeedItem6");
            QVERIFY(d.item("SpeedItem6")->isDown());
            for (int f = 1; f <= 10; ++f)
                QVERIFY(d.edit(f)->font().bold());
            QVERIFY(d.list()->font().bold());
            d.control<TColorComboBox>("ColorComboBox1")->setColorValue(core::clRed);
            QCOMPARE(d.edit(1)->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
            d.form->FormDestroy();
        }
        QVERIFY(QFile::exists(store));
        MainWindowDriver d;
        d.form->FormCreate();
        QVERIFY(d.item("SpeedItem6")->isDown());
        QVERIFY(d.edit(3)->font().bold());
        QCOMPARE(d.control<TColorComboBox>("ColorComboBox1")->colorValue(), core::clRed);
        QCOMPARE(d.list()->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
        QVERIFY(d.presenter.boxes.isEmpty());
    }

    void tipAndAboutCommandsShowTheirWindows() {
        MainWindowDriver d;
        d.click("SpeedItem3"); // nothing to show yet
        d.click("SpeedItem4");
        ui::TipGenerator generator;
        TForm2 about(d.form.get());
        TForm3 tip(d.form.get(), generator);
        d.form->setSecondaryWindows(&about, &tip);
        QVERIFY(about.isHidden());
        QVERIFY(tip.isHidden());
        d.click("SpeedItem4");
        QVERIFY(about.isVisible());
        QVERIFY(tip.isHidden());
        d.click("SpeedItem3");
        QVERIFY(tip.isVisible());
        // Above the program's own windows only: transient for the main window.
        QVERIFY(tip.windowHandle()->transientParent());
        QCOMPARE(tip.windowHandle()->transientParent(), d.form->windowHandle());
        d.form->setSecondaryWindows(nullptr, nullptr);
        QVERIFY(d.presenter.boxes.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
