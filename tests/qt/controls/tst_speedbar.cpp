#include "core/Exception.h"
#include "qt/controls/commandbar/CommandGlyphs.h"
#include "qt/controls/commandbar/SpeedBar.h"
#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/commandbar/SpeedbarButton.h"
#include "qt/controls/commandbar/SpeedbarSection.h"
#include "qt/platform/SystemColors.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <memory>

using core::SystemColor;

namespace {

QRgb sys(SystemColor c) {
    return platform::systemColor(c).rgb();
}

void clickAt(QWidget* w, QPoint pos) {
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

struct ItemSpec {
    const char* name;
    const char* caption;
    const char* section;
    const char* glyph;
    int left;
};
constexpr ItemSpec kItems[] = {
    {"SpeedItem5", "New", "Main", "new", 3},
    {"SpeedItem1", "Open", "Main", "open", 27},
    {"SpeedItem2", "Save", "Main", "save", 51},
    {"SpeedItem6", "Font", "Other", "font", 251},
    {"SpeedItem3", "Tip of the Day", "Other", "tip", 563},
    {"SpeedItem4", "About", "Other", "about", 587},
};

// The main window's command bar, built the way the window builds it.
struct CommandBar {
    QWidget window;
    TSpeedBar* bar = new TSpeedBar(&window);
    QList<TSpeedItem*> items;
    CommandBar() {
        bar->setGeometry(0, 0, 617, 30);
        bar->setBtnWidth(24);
        bar->setBtnHeight(24);
        bar->setBtnOffsetHorz(3);
        bar->setBtnOffsetVert(3);
        bar->setOptions(TSpeedbarOption::StretchBitmap);
        for (const ItemSpec& layout : kItems) {
            auto* item = new TSpeedItem(bar, layout.section);
            item->setObjectName(layout.name);
            item->setCaption(layout.caption);
            item->setHint(QString(layout.caption) + "|");
            item->setGlyph(commandGlyph(layout.glyph));
            item->setSpacing(1);
            item->setMargin(-1);
            item->setLeft(layout.left);
            item->setTop(3);
            items << item;
        }
        items[3]->setGroupIndex(2);
        items[3]->setAllowAllUp(true);
        items[2]->setEnabled(false);
    }
};

} // namespace

class TestSpeedBar : public QObject {
    Q_OBJECT

private slots:
    void frameWidthAndOffsets() {
        TSpeedBar bar;
        QCOMPARE(bar.frameWidth(), 3);
        bar.setBtnOffsetVert(1);
        QCOMPARE(bar.btnOffsetVert(), 3);
        bar.setBorderWidth(2);
        QCOMPARE(bar.frameWidth(), 5);
        QCOMPARE(bar.btnOffsetHorz(), 5); // raised with the frame
        bar.setBorderWidth(0);
        bar.setBevelInner(TBevelCut::Lowered);
        QCOMPARE(bar.frameWidth(), 4);
        bar.setOptions(TSpeedbarOption::FlatBtns);
        QCOMPARE(bar.frameWidth(), 2);
    }

    void heightFollowsButtons() {
        TSpeedBar bar;
        QCOMPARE(bar.height(), 30);
        bar.setBtnHeight(30);
        QCOMPARE(bar.height(), 36);
        bar.setBtnHeight(20);
        QCOMPARE(bar.height(), 36); // grows only
    }

    void itemsSectionsAndPlacement() {
        CommandBar cb;
        QCOMPARE(cb.bar->sections().size(), 2);
        QCOMPARE(cb.bar->section("Main")->items().size(), 3);
        QCOMPARE(cb.bar->section("Other")->items().first()->objectName(), QString("SpeedItem6"));
        QVERIFY(!cb.bar->section("Nope"));
        for (int i = 0; i < 6; ++i) {
            TSpeedbarButton* b = cb.items[i]->button();
            QCOMPARE(b->geometry(), QRect(kItems[i].left, 3, 24, 24));
            QCOMPARE(b->parentWidget(), cb.bar);
            QCOMPARE(b->toolTip(), QString(kItems[i].caption));
            QVERIFY(b->caption().isEmpty()); // the bar's buttons show no text
        }
        QCOMPARE(cb.items[3]->numGlyphs(), 2);
        cb.items[0]->setTop(0);
        QCOMPARE(cb.items[0]->top(), 3); // raised to the offset
        cb.items[0]->setTop(5);
        QCOMPARE(cb.items[0]->top(), 5);
    }

    void clickRunsItemWithItemAsSender() {
        CommandBar cb;
        QSignalSpy spy(cb.items[1], &TSpeedItem::OnClick);
        clickAt(cb.items[1]->button(), {5, 5});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().value<QObject*>(), cb.items[1]);
    }

    void fontToggle() {
        CommandBar cb;
        TSpeedItem* font = cb.items[3];
        QList<bool> seen;
        connect(font, &TSpeedItem::OnClick, font, [&](QObject*) { seen << font->isDown(); });
        clickAt(font->button(), {5, 5});
        QCOMPARE(font->button()->state(), TButtonState::Latched);
        clickAt(font->button(), {5, 5});
        QCOMPARE(seen, (QList<bool>{true, false}));
        font->setDown(true); // restored preference
        QCOMPARE(font->button()->state(), TButtonState::Latched);
        QCOMPARE(seen.size(), 2);
    }

    void enabledIsItemAndBar() {
        CommandBar cb;
        TSpeedItem* save = cb.items[2];
        TSpeedItem* open = cb.items[1];
        QVERIFY(!save->button()->isEnabled());
        QSignalSpy saveClicks(save, &TSpeedItem::OnClick);
        clickAt(save->button(), {5, 5});
        QCOMPARE(saveClicks.count(), 0);
        cb.bar->setEnabled(false);
        QVERIFY(!open->button()->isEnabled());
        QCOMPARE(open->button()->state(), TButtonState::Disabled);
        save->setEnabled(true);
        QVERIFY(save->isEnabled());
        QVERIFY(!save->button()->isEnabled());
        cb.bar->setEnabled(true);
        QVERIFY(save->button()->isEnabled());
        QVERIFY(open->button()->isEnabled());
        QCOMPARE(open->button()->state(), TButtonState::Up);
    }

    void disabledSaveShowsEmbossedGlyph() {
        CommandBar cb;
        TSpeedbarButton* save = cb.items[2]->button();
        const auto colours = [](const QImage& img) {
            QSet<QRgb> set;
            for (int y = 2; y < 22; ++y) {
                for (int x = 2; x < 22; ++x)
                    set.insert(img.pixel(x, y));
            }
            return set;
        };
        const QSet<QRgb> disabled = colours(save->grab().toImage());
        const QSet<QRgb> embossed{sys(SystemColor::BtnFace), sys(SystemColor::BtnHighlight),
                                  sys(SystemColor::BtnShadow)};
        QCOMPARE(disabled, embossed);
        cb.items[2]->setEnabled(true);
        const QSet<QRgb> normal = colours(save->grab().toImage());
        QVERIFY(normal.contains(qRgb(0, 0, 128)));    // the disk's navy
        QVERIFY(!normal.contains(qRgb(0, 128, 128))); // transparent teal never drawn
    }

    void itemOwnsButton() {
        CommandBar cb;
        QPointer<TSpeedbarButton> b = cb.items[0]->button();
        delete cb.items[0];
        QVERIFY(b.isNull());
        QCOMPARE(cb.bar->section("Main")->items().size(), 2);
        QPointer<TSpeedItem> other = cb.items[4];
        delete cb.bar;
        QVERIFY(other.isNull());
    }

    void tooltipsFollowTheBar() {
        CommandBar cb;
        TSpeedbarButton* about = cb.items[5]->button();
        QVERIFY(about->parentShowHint());
        QVERIFY(about->effectiveShowHint());
        cb.bar->setShowHint(false);
        QVERIFY(!about->effectiveShowHint());
    }

    void barShowsChildTooltips() {
        CommandBar cb;
        auto* picker = new QLabel(cb.bar);
        picker->setToolTip("Change Screen Fonts");
        picker->setGeometry(105, 4, 137, 21);
        // The window itself refuses every tooltip event that reaches it.
        struct Refuse : QObject {
            bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::ToolTip; }
        } refuse;
        cb.window.installEventFilter(&refuse);
        cb.window.show();
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), picker->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(picker, &help);
        QTRY_COMPARE(QToolTip::text(), QString("Change Screen Fonts"));
        QToolTip::hideText();
        QHelpEvent helpButton(QEvent::ToolTip, QPoint(5, 5),
                              cb.items[0]->button()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(cb.items[0]->button(), &helpButton);
        QTRY_COMPARE(QToolTip::text(), QString("New"));
        QToolTip::hideText();
    }

    void scaleBy144() {
        CommandBar cb;
        auto* picker = new QLabel(cb.bar);
        picker->setGeometry(105, 4, 137, 21);
        cb.items[4]->setVisible(false); // a hidden button is scaled but not snapped
        cb.bar->scaleBy(144, 96);
        QCOMPARE(cb.bar->btnWidth(), 36);
        QCOMPARE(cb.bar->btnOffsetHorz(), 5); // 4.5 rounds up
        QCOMPARE(cb.bar->stepAlong(), 9);
        QCOMPARE(cb.items[0]->button()->geometry(), QRect(5, 5, 36, 36));
        QCOMPARE(cb.items[1]->left(), 41);  // 40.5 -> 41, on the grid
        QCOMPARE(cb.items[3]->left(), 374); // 376.5 -> 377 -> 5 + 41 * 9
        QCOMPARE(cb.items[4]->left(), 845); // 844.5 -> 845, not snapped
        QCOMPARE(cb.items[5]->left(), 878); // 880.5 -> 881 -> 5 + 97 * 9
        QCOMPARE(cb.items[5]->button()->size(), QSize(36, 36));
        QCOMPARE(picker->geometry(), QRect(158, 6, 205, 32));
        QCOMPARE(cb.bar->height(), 46); // 45, grown to 2 * 5 + 36
        cb.bar->scaleBy(96, 96);        // nothing to do
        QCOMPARE(cb.bar->btnWidth(), 36);
    }

    void paintedBevel_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("color");
        const QRgb hi = sys(SystemColor::BtnHighlight), sh = sys(SystemColor::BtnShadow),
                   face = sys(SystemColor::BtnFace);
        QTest::newRow("top-left") << QPoint(0, 0) << hi;
        QTest::newRow("top") << QPoint(150, 0) << hi;
        QTest::newRow("left") << QPoint(0, 15) << hi;
        QTest::newRow("top-right corner") << QPoint(616, 0) << sh;
        QTest::newRow("right") << QPoint(616, 15) << sh;
        QTest::newRow("bottom") << QPoint(150, 29) << sh;
        QTest::newRow("inside the bevel") << QPoint(1, 1) << face;
        QTest::newRow("between buttons") << QPoint(90, 15) << face;
        QTest::newRow("New's frame") << QPoint(3, 3) << hi;
        QTest::newRow("About's frame bottom-right") << QPoint(610, 26) << sys(SystemColor::WindowFrame);
    }
    void paintedBevel() {
        QFETCH(QPoint, at);
        QFETCH(QRgb, color);
        CommandBar cb;
        const QImage shot = cb.bar->grab().toImage();
        QCOMPARE(QColor(shot.pixel(at)).name(), QColor(color).name());
    }

    void glyphResources_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const QString& n : commandGlyphNames())
            QTest::newRow(qPrintable(n)) << n << (n == "font" ? QSize(32, 16) : QSize(16, 16));
    }
    void glyphResources() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage img = commandGlyph(name).toImage();
        QCOMPARE(img.size(), size);
        QSet<QRgb> colours;
        int drawn = 0;
        const QRgb transparent = img.pixel(0, img.height() - 1);
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                colours.insert(img.pixel(x, y));
                drawn += img.pixel(x, y) != transparent;
            }
        }
        QVERIFY(colours.size() <= 16);
        QVERIFY(drawn > 30);
    }

    void unknownGlyphThrows() { QVERIFY_THROWS_EXCEPTION(core::EResNotFound, commandGlyph("print")); }

    void barButtonAccessibleName() {
        CommandBar cb;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(cb.items[4]->button());
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QString("Tip of the Day"));
        QCOMPARE(QAccessible::queryAccessibleInterface(cb.items[3]->button())->role(), QAccessible::CheckBox);
    }

    // Renders the bar and an Apply Changes button in every state; with
    // VANTOREL_GRAB_DIR set, the pictures are saved there to be looked at.
    void grabPictures() {
        const QString dir = qEnvironmentVariable("VANTOREL_GRAB_DIR");
        if (!dir.isEmpty())
            QDir().mkpath(dir);
        const auto save = [&](const QImage& img, const QString& name) {
            if (!dir.isEmpty())
                QVERIFY(img.save(dir + "/" + name + ".png"));
        };
        CommandBar cb;
        save(cb.bar->grab().toImage(), "bar");
        cb.items[3]->setDown(true);
        cb.items[2]->setEnabled(true);
        save(cb.bar->grab().toImage(), "bar-font-down-save-enabled");

        QWidget form;
        TSpeedButton apply(&form);
        apply.setGeometry(215, 228, 188, 32);
        QFont f("Arial");
        f.setPixelSize(11);
        apply.setFont(f);
        apply.setCaption("Apply Changes");
        apply.setHint("Apply Changes Before Saving");
        save(apply.grab().toImage(), "apply-up");
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(5, 5), apply.mapToGlobal(QPointF(5, 5)),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&apply, &down);
        QCOMPARE(apply.state(), TButtonState::Pressed);
        save(apply.grab().toImage(), "apply-pressed");
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(500, 5), apply.mapToGlobal(QPointF(500, 5)),
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&apply, &up);
        apply.setGroupIndex(1);
        apply.setDown(true);
        save(apply.grab().toImage(), "apply-latched");
        apply.setGroupIndex(0);
        apply.setEnabled(false);
        save(apply.grab().toImage(), "apply-disabled");
        apply.setEnabled(true);
        apply.resize(60, 32);
        save(apply.grab().toImage(), "apply-narrow");
        QVERIFY(apply.displayedCaption().endsWith("..."));
    }
};

QTEST_MAIN(TestSpeedBar)
#include "tst_speedbar.moc"
