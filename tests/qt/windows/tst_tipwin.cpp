#include "core/Boundary.h"
#include "qt/controls/commandbar/ButtonText.h"
#include "qt/controls/commandbar/SpeedButton.h"
#include "qt/windows/TipGenerator.h"
#include "qt/windows/TipWin.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryValue.h"
#include "support/FreshSettings.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <chrono>
#include <memory>
#include <optional>

using namespace std::chrono;
using settings::RegistryStore;
using settings::RegistryValue;

namespace {

const std::string kOptionsKey = "Software\\Ludovane9900Vantorel\\Options";

system_clock::time_point atUtc(milliseconds sinceMidnight) {
    return system_clock::time_point(sys_days(year_month_day(year(2026), month(12), day(8))) + sinceMidnight);
}

std::optional<RegistryValue> storedFlag() {
    return RegistryStore().queryValue(kOptionsKey, "Tip");
}
void storeFlag(std::uint32_t type, const QByteArray& data) {
    QVERIFY(RegistryStore().setValue(kOptionsKey, "Tip", type, data.toStdString()));
}
void storeText(const QByteArray& text) {
    storeFlag(settings::REG_SZ, text + QByteArray(1, '\0'));
}

} // namespace

class TestTipWin : public QObject {
    Q_OBJECT

    std::unique_ptr<FreshSettings> m_settings;
    system_clock::time_point m_now = atUtc(milliseconds(0));
    std::unique_ptr<TipGenerator> m_generator;

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
    int shownIndex(TForm3& f) const { return int(TForm3::tips().indexOf(shownTip(f))); }
    // Ends a run as the program does.
    static void endRun(std::unique_ptr<TForm3>& form) {
        form->FormDestroy();
        form.reset();
    }

private slots:
    void init() {
        m_settings.reset(); // the old one lets go of the error sink first
        m_settings = std::make_unique<FreshSettings>();
        QVERIFY(m_settings->isValid());
        m_now = atUtc(milliseconds(0));
        m_generator = std::make_unique<TipGenerator>([this] { return m_now; });
    }
    void cleanup() { m_settings.reset(); }

    void tipListIsTheHiddenMemo() {
        auto form = makeForm();
        const QStringList tips = TForm3::tips();
        QCOMPARE(tips.size(), 25);
        for (int i = 0; i < tips.size(); ++i)
            QCOMPARE(form->tipLine(i), tips.at(i));
        QCOMPARE(tips.at(4), "Sell older Players before they Retire!");
        QCOMPARE(tips.at(24), "Have you tried Kestrow's Ludovane3Loader!");
        QVERIFY(tips.at(6).endsWith(" is the Best Ludovane3 Site!"));
        const QUrl site(tips.at(6).section(' ', 0, 0));
        QVERIFY2(site.host().endsWith(".example.com"), qPrintable(tips.at(6)));
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
        QCOMPARE(shownIndex(*form), 4); // start-up draws from seed 0
        // The window's own icon, a light bulb (yellow), not the main window's.
        const QLabel* image = form->findChild<QLabel*>("Image1");
        QCOMPARE(image->pixmap().size(), QSize(32, 32));
        QCOMPARE(image->size(), QSize(32, 32));
        QCOMPARE(image->pixmap().toImage().pixelColor(15, 11), QColor(255, 255, 0));
        QVERIFY(!form->windowIcon().isNull());
        QVERIFY(!storedFlag()); // reading writes nothing
    }

    // The stored text as the flag reads it: checked hides the window at start-up.
    void storedFlagForms_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("checked");
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("hexadecimal 0x1") << QByteArray("0x1") << true;
        QTest::newRow("hexadecimal 0X0") << QByteArray("0X0") << false;
        QTest::newRow("any non-zero number, 7") << QByteArray("7") << true;
        QTest::newRow("letters give the default") << QByteArray("yes") << false;
        QTest::newRow("empty text gives the default") << QByteArray() << false;
    }
    void storedFlagForms() {
        QFETCH(QByteArray, text);
        QFETCH(bool, checked);
        storeText(text);
        auto form = startForm();
        QVERIFY(m_settings->errors().isEmpty());
        QCOMPARE(box(*form)->isChecked(), checked);
        QCOMPARE(form->isVisible(), !checked);
        // Hidden or not, a tip has been chosen.
        QCOMPARE(shownIndex(*form), 4);
        endRun(form);
        QCOMPARE(storedFlag(), (RegistryValue{settings::REG_SZ, std::string(checked ? "1" : "0") + '\0'}));
    }

    void choiceSurvivesRestarts() {
        auto form = startForm();
        QVERIFY(form->isVisible());
        box(*form)->setChecked(true);
        endRun(form);
        QCOMPARE(storedFlag(), (RegistryValue{settings::REG_SZ, std::string("1\0", 2)}));

        form = startForm();
        QVERIFY(form->isHidden());
        QVERIFY(box(*form)->isChecked());
        form->showFromCommand();
        QVERIFY(form->isVisible());
        QVERIFY(!box(*form)->isChecked());
        button(*form, "SpeedButton1")->click();
        QVERIFY(form->isHidden());
        QCOMPARE(storedFlag()->data, std::string("1\0", 2)); // showing and hiding write nothing
        endRun(form);
        QCOMPARE(storedFlag()->data, std::string("0\0", 2));

        form = startForm();
        QVERIFY(form->isVisible());
        QVERIFY(m_settings->errors().isEmpty());
    }

    void commandShowsLastTipAndUnchecks() {
        auto form = startForm();
        box(*form)->setChecked(true);
        button(*form, "SpeedButton1")->click();
        const QString tip = shownTip(*form);
        m_now = atUtc(hours(12));
        form->showFromCommand();
        QVERIFY(form->isVisible());
        QVERIFY(!box(*form)->isChecked());
        QCOMPARE(shownTip(*form), tip); // no new draw
    }

    void tipForClock_data() {
        QTest::addColumn<int>("msSinceMidnight");
        QTest::addColumn<bool>("nextTip");
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("seedAfter");
        QTest::newRow("start-up at midnight") << 0 << false << 4 << 698472713u;
        QTest::newRow("next tip at midnight") << 0 << true << 3 << 698472713u;
        QTest::newRow("start-up at noon") << 43200000 << false << 4 << 844594953u;
        QTest::newRow("next tip at noon") << 43200000 << true << 4 << 844594953u;
    }
    void tipForClock() {
        QFETCH(int, msSinceMidnight);
        QFETCH(bool, nextTip);
        QFETCH(int, index);
        QFETCH(uint, seedAfter);
        m_now = atUtc(milliseconds(nextTip ? 1 : msSinceMidnight));
        auto form = startForm();
        if (nextTip) {
            m_now = atUtc(milliseconds(msSinceMidnight));
            QTest::mouseClick(button(*form, "SpeedButton2"), Qt::LeftButton);
        }
        QCOMPARE(shownIndex(*form), index);
        QCOMPARE(m_generator->seed(), seedAfter);
    }

    // Over many clock readings "Next Tip" shows every tip but the last.
    void nextTipNeverShowsTheLastTip() {
        auto form = startForm();
        QSet<int> seen;
        for (int ms = 0; ms < 1500; ++ms) {
            m_now = atUtc(milliseconds(ms * 7919));
            button(*form, "SpeedButton2")->click();
            seen.insert(shownIndex(*form));
        }
        QVERIFY(!seen.contains(24));
        QVERIFY(!seen.contains(-1));
        QCOMPARE(seen.size(), 24);
    }

    void okAndCloseHide() {
        auto form = startForm();
        QPointer<TForm3> alive(form.get());
        button(*form, "SpeedButton1")->click();
        QVERIFY(form->isHidden());
        form->showFromCommand();
        QVERIFY(form->close());
        QVERIFY(alive);
        QVERIFY(form->isHidden());
        QVERIFY(!form->testAttribute(Qt::WA_QuitOnClose));
    }

    void flagOfWrongTypeIsReported() {
        storeFlag(settings::REG_DWORD, QByteArray("\x01\0\0\0", 4));
        auto form = startForm();
        QCOMPARE(m_settings->errors(), QStringList{"Invalid data type for 'Tip'"});
        QVERIFY(form->isHidden());
        QVERIFY(!box(*form)->isChecked());
        QCOMPARE(shownTip(*form), "Tips");
        QVERIFY(form->findChild<QLabel*>("Image1")->pixmap().isNull());
        // The handle is open, so the end of the run replaces the bad value with text.
        endRun(form);
        QCOMPARE(m_settings->errors().size(), 1);
        QCOMPARE(storedFlag(), (RegistryValue{settings::REG_SZ, std::string("0\0", 2)}));
    }

    void failedWriteIsReportedOnce() {
        auto form = startForm();
        // The store now lies below a regular file, where no folder can be made.
        QFile blocker(m_settings->path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        endRun(form);
        QCOMPARE(m_settings->errors().size(), 1);
        QVERIFY2(m_settings->errors().first().startsWith("Failed to"),
                 qPrintable(m_settings->errors().first()));
    }

    void destroyingUnendedWindowWritesTheFlag() {
        auto form = startForm();
        box(*form)->setChecked(true);
        form.reset();
        QCOMPARE(storedFlag()->data, std::string("1\0", 2));
    }

    void window() {
        auto form = makeForm();
        QCOMPARE(form->size(), QSize(367, 183));
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

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("tooltip");

        const QString form = "Form3";
        QTest::newRow("Panel1") << "Panel1" << form << QRect(8, 8, 241, 137) << QString() << "MS Sans Serif"
                                << 11 << false << QString();
        QTest::newRow("Image1") << "Image1"
                                << "Panel1" << QRect(3, 3, 32, 32) << QString() << "MS Sans Serif" << 11
                                << false << QString();
        QTest::newRow("Label1") << "Label1"
                                << "Panel1" << QRect(40, 3, 110, 16) << "Tip Of The Day."
                                << "MS Sans Serif" << 13 << true << QString();
        QTest::newRow("Tips") << "Tips"
                              << "Panel1" << QRect(8, 51, 220, 73) << "Tips"
                              << "Arial" << 12 << false << QString();
        QTest::newRow("SpeedButton2") << "SpeedButton2" << form << QRect(264, 88, 85, 33) << "Next Tip"
                                      << "Arial" << 11 << false << "Show Another Tip";
        QTest::newRow("SpeedButton1") << "SpeedButton1" << form << QRect(264, 136, 85, 33) << "OK"
                                      << "Arial" << 11 << false << QString();
        QTest::newRow("TipCheckBox") << "TipCheckBox" << form << QRect(16, 155, 161, 17)
                                     << "Hide Tip on Startup"
                                     << "Arial" << 11 << false << "Click Here to Disable Tips";
        QTest::newRow("Memo1") << "Memo1" << form << QRect(8, 16, 345, 57) << QString() << "MS Sans Serif"
                               << 11 << false << QString();
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QString, tooltip);

        auto form = makeForm();
        auto* w = form->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->parentWidget()->objectName(), parentName);
        QCOMPARE(w->pos(), geometry.topLeft());
        // The caption label is not of fixed size: it grows when its text needs more room.
        QCOMPARE(w->size(), name == "Label1" ? geometry.size().expandedTo(w->sizeHint()) : geometry.size());
        QCOMPARE(w->font().family(), family);
        QCOMPARE(w->font().pixelSize(), pixelSize);
        QCOMPARE(w->font().bold(), bold);
        if (auto* b = qobject_cast<TSpeedButton*>(w)) {
            QCOMPARE(b->caption(), text);
            QCOMPARE(hintShortPart(b->hint()), tooltip);
            QVERIFY(b->effectiveShowHint());
        } else {
            QCOMPARE(w->toolTip(), tooltip);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                QCOMPARE(label->text(), text);
                QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
            } else if (auto* check = qobject_cast<QCheckBox*>(w))
                QCOMPARE(check->text(), text);
            else if (name == "Tips")
                QCOMPARE(qobject_cast<QPlainTextEdit*>(w)->toPlainText(), text);
        }
        if (!tooltip.isEmpty())
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), tooltip);
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
        const QString longTip = TForm3::tips().at(22);
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
