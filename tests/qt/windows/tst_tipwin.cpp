#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/windows/TipWin.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryValue.h"
#include "support/FreshSettings.h"
#include "ui/TipGenerator.h"
#include "ui/TipList.h"
#include "ui/TipWinDesign.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <chrono>
#include <memory>

using namespace std::chrono;

namespace {

system_clock::time_point atUtc(milliseconds sinceMidnight) {
    return system_clock::time_point(sys_days(year_month_day(year(2026), month(12), day(8))) + sinceMidnight);
}

std::optional<settings::RegistryValue> storedFlag() {
    return settings::RegistryStore().queryValue("Software\\Ludovane9900Vantorel\\Options", "Tip");
}

} // namespace

// The Qt window over the shared steps (tested in tests/ui): its controls as designed, wired to
// the steps, and what only a widget does.
class TestTipWin : public QObject {
    Q_OBJECT

    std::unique_ptr<FreshSettings> m_settings;
    system_clock::time_point m_now = atUtc(milliseconds(0));
    std::unique_ptr<ui::TipGenerator> m_generator;

    std::unique_ptr<TForm3> makeForm() { return std::make_unique<TForm3>(nullptr, *m_generator); }
    // A form that has run its creation handler, as at start-up.
    std::unique_ptr<TForm3> startForm() {
        auto form = makeForm();
        form->FormCreate();
        return form;
    }
    static QCheckBox* box(TForm3& f) { return f.findChild<QCheckBox*>("TipCheckBox"); }
    static QString shownTip(TForm3& f) { return f.findChild<QPlainTextEdit*>("Tips")->toPlainText(); }
    static TSpeedButton* button(TForm3& f, const char* name) { return f.findChild<TSpeedButton*>(name); }

private slots:
    void init() {
        m_settings.reset(); // the old one lets go of the error sink first
        m_settings = std::make_unique<FreshSettings>();
        QVERIFY(m_settings->isValid());
        m_now = atUtc(milliseconds(0));
        m_generator = std::make_unique<ui::TipGenerator>([this] { return m_now; });
    }
    void cleanup() { m_settings.reset(); }

    void tipListIsTheHiddenMemo() {
        auto form = makeForm();
        for (int i = 0; i < ui::kTipCount; ++i)
            QCOMPARE(form->tipLine(i), QString::fromLatin1(ui::tipLine(i)));
        QVERIFY(form->findChild<QPlainTextEdit*>("Memo1")->isHidden());
    }

    void firstRunShowsTheWindow() {
        auto form = makeForm();
        QVERIFY(form->isHidden());
        QCOMPARE(shownTip(*form), "Tips");
        form->FormCreate();
        QVERIFY(m_settings->errors().isEmpty());
        QVERIFY(form->isVisible());
        QVERIFY(!box(*form)->isChecked());
        QCOMPARE(shownTip(*form), QString::fromLatin1(ui::tipLine(4))); // start-up draws from seed 0
        // The window's own icon, a light bulb (yellow), not the main window's.
        const QLabel* image = form->findChild<QLabel*>("Image1");
        QCOMPARE(image->pixmap().size(), QSize(32, 32));
        QCOMPARE(image->size(), QSize(32, 32));
        QCOMPARE(image->pixmap().toImage().pixelColor(15, 11), QColor(255, 255, 0));
        QVERIFY(!form->windowIcon().isNull());
    }

    void nextTipClickDrawsFromTheClock() {
        m_now = atUtc(milliseconds(1));
        auto form = startForm();
        m_now = atUtc(milliseconds(0));
        QTest::mouseClick(button(*form, "SpeedButton2"), Qt::LeftButton);
        QCOMPARE(shownTip(*form), QString::fromLatin1(ui::tipLine(3)));
    }

    void okAndCloseHide() {
        auto form = startForm();
        QPointer<TForm3> alive(form.get());
        button(*form, "SpeedButton1")->click();
        QVERIFY(form->isHidden());
        form->showFromCommand();
        QVERIFY(form->isVisible());
        QVERIFY(form->close());
        QVERIFY(alive);
        QVERIFY(form->isHidden());
        QVERIFY(!form->testAttribute(Qt::WA_QuitOnClose));
    }

    void destroyingUnendedWindowWritesTheFlag() {
        auto form = startForm();
        box(*form)->setChecked(true);
        form.reset();
        QCOMPARE(storedFlag()->data, std::string("1\0", 2));
    }

    void window() {
        auto form = makeForm();
        QCOMPARE(form->size(), QSize(ui::tipwin::Form3.clientWidth, ui::tipwin::Form3.clientHeight));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->windowTitle(), "Tip Of The Day");
        const Qt::WindowFlags flags = form->windowFlags();
        // Above the main window as its transient window, not above the whole desktop.
        QVERIFY(form->isWindow());
        QVERIFY(!(flags & Qt::WindowStaysOnTopHint));
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    // Every control is built from its design row.
    void controlsFollowTheDesign() {
        auto form = makeForm();
        for (const ui::ControlDesign* row : ui::tipwin::kControls) {
            const QString name = QString::fromLatin1(row->name);
            auto* w = form->findChild<QWidget*>(name);
            QVERIFY2(w, qPrintable(name));
            QCOMPARE(w->parentWidget()->objectName(),
                     row->parent.empty() ? "Form3" : QString::fromLatin1(row->parent));
            const QRect box(row->box.left, row->box.top, row->box.width, row->box.height);
            QCOMPARE(w->pos(), box.topLeft());
            QCOMPARE(w->size(), row->autoSize ? box.size().expandedTo(w->sizeHint()) : box.size());
            const ui::FontDesign font = row->font.family.empty() ? ui::tipwin::Form3.font : row->font;
            QCOMPARE(w->font().family(), QString::fromLatin1(font.family));
            QCOMPARE(w->font().pixelSize(), font.pixelHeight);
            QCOMPARE(w->font().bold(), font.bold());
            QCOMPARE(w->isHidden(), !row->visible);
            const QString tooltip = QString::fromLatin1(ui::shortHint(row->hint));
            QCOMPARE(w->toolTip(), tooltip);
            if (!tooltip.isEmpty())
                QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), tooltip);
            QString text;
            if (auto* b = qobject_cast<TSpeedButton*>(w))
                text = b->caption();
            else if (auto* label = qobject_cast<QLabel*>(w))
                text = label->text();
            else if (auto* check = qobject_cast<QCheckBox*>(w))
                text = check->text();
            else if (name == "Tips")
                text = qobject_cast<QPlainTextEdit*>(w)->toPlainText();
            if (!row->caption.empty())
                QCOMPARE(text, QString::fromLatin1(row->caption));
            // Every caption fits its box in the font it is drawn with.
            QVERIFY2(w->fontMetrics().horizontalAdvance(text) <= w->width(), qPrintable(name));
        }
    }

    void cardAndTipMemo() {
        auto form = makeForm();
        auto* panel = form->findChild<QFrame*>("Panel1");
        QCOMPARE(panel->frameShape(), QFrame::Box);
        QCOMPARE(panel->frameShadow(), QFrame::Plain);
        QCOMPARE(panel->lineWidth(), 1);
        form->resize(form->size());
        const QImage card = panel->grab().toImage();
        QCOMPARE(card.pixelColor(120, 30), QColor(255, 255, 206));
        QCOMPARE(card.pixelColor(0, 30), QColor(Qt::black)); // the single line
        QCOMPARE(card.pixelColor(120, 0), QColor(Qt::black));

        auto* tips = form->findChild<QPlainTextEdit*>("Tips");
        QVERIFY(tips->isReadOnly());
        QCOMPARE(card.pixelColor(8 + 200, 51 + 60),
                 QColor(255, 255, 206)); // the memo shows the card's colour

        // The longest tip wraps at spaces.
        const QString longTip = QString::fromLatin1(ui::tipLine(22));
        tips->setPlainText(longTip);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QTextLayout* lines = tips->document()->firstBlock().layout();
        QVERIFY(lines->lineCount() >= 2);
        for (int i = 1; i < lines->lineCount(); ++i)
            QCOMPARE(longTip.at(lines->lineAt(i).textStart() - 1), QChar(' '));
    }
};

QTEST_MAIN(TestTipWin)
#include "tst_tipwin.moc"
