#include "core/Boundary.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryValue.h"
#include "support/FreshSettings.h"
#include "ui/TipGenerator.h"
#include "ui/TipList.h"
#include "ui/TipOfTheDay.h"
#include "ui/TipView.h"

#include <QSet>
#include <QTest>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

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
void storeFlag(std::uint32_t type, const std::string& data) {
    QVERIFY(RegistryStore().setValue(kOptionsKey, "Tip", type, data));
}
RegistryValue textValue(const char* text) {
    return RegistryValue{settings::REG_SZ, std::string(text) + '\0'};
}

// The window as the steps see it, as designed before creation: hidden, unchecked, "Tips".
struct RecordingTipView : ui::TipView {
    bool checked = false;
    bool visible = false;
    std::string tip = "Tips";
    bool iconShown = false;

    bool hideTipChecked() const override { return checked; }
    void setHideTipChecked(bool c) override { checked = c; }
    void setFormVisible(bool v) override { visible = v; }
    void showInFront() override { visible = true; }
    void showTip(std::string_view t) override { tip = std::string(t); }
    void showOwnIcon() override { iconShown = true; }

    int tipIndex() const {
        for (int i = 0; i < ui::kTipCount; ++i)
            if (ui::tipLine(i) == tip)
                return i;
        return -1;
    }
};

} // namespace

class TestTipOfTheDay : public QObject {
    Q_OBJECT

    std::unique_ptr<FreshSettings> m_settings;
    system_clock::time_point m_now;
    std::unique_ptr<ui::TipGenerator> m_generator;
    std::unique_ptr<RecordingTipView> m_view;
    std::unique_ptr<ui::TipOfTheDay> m_steps;

    // A window that has run its creation handler, as at start-up.
    void start() {
        m_view = std::make_unique<RecordingTipView>();
        m_steps = std::make_unique<ui::TipOfTheDay>(*m_view, *m_generator);
        core::runGuarded([this] { m_steps->FormCreate(); });
    }
    // Ends a run as the program does.
    void end() {
        core::runGuarded([this] { m_steps->FormDestroy(); });
        QVERIFY(!m_steps->holdsSettings());
    }

private slots:
    void init() {
        m_settings.reset(); // the old one lets go of the error sink first
        m_settings = std::make_unique<FreshSettings>();
        QVERIFY(m_settings->isValid());
        m_now = atUtc(milliseconds(0));
        m_generator = std::make_unique<ui::TipGenerator>([this] { return m_now; });
    }
    void cleanup() {
        m_steps.reset();
        m_settings.reset();
    }

    void tipList() {
        QCOMPARE(ui::tipLine(4), "Sell older Players before they Retire!");
        QCOMPARE(ui::tipLine(24), "Have you tried Kestrow's Ludovane3Loader!");
        const QString siteTip = QString::fromLatin1(ui::tipLine(6));
        QVERIFY(siteTip.endsWith(" is the Best Ludovane3 Site!"));
        QVERIFY2(QUrl(siteTip.section(' ', 0, 0)).host().endsWith(".example.com"), qPrintable(siteTip));
        QVERIFY(ui::tipLine(-1).empty());
        QVERIFY(ui::tipLine(25).empty());
    }

    void firstRunShowsTheWindow() {
        start();
        QVERIFY(m_settings->errors().isEmpty());
        QVERIFY(m_view->visible);
        QVERIFY(!m_view->checked);
        QCOMPARE(m_view->tipIndex(), 4); // start-up draws from seed 0
        QVERIFY(m_view->iconShown);
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
        storeFlag(settings::REG_SZ, text.toStdString() + '\0');
        start();
        QVERIFY(m_settings->errors().isEmpty());
        QCOMPARE(m_view->checked, checked);
        QCOMPARE(m_view->visible, !checked);
        // Hidden or not, a tip has been chosen.
        QCOMPARE(m_view->tipIndex(), 4);
        end();
        QCOMPARE(storedFlag(), textValue(checked ? "1" : "0"));
    }

    void choiceSurvivesRestarts() {
        start();
        m_view->checked = true;
        end();
        QCOMPARE(storedFlag(), textValue("1"));

        start();
        QVERIFY(!m_view->visible);
        QVERIFY(m_view->checked);
        m_steps->showFromCommand();
        QVERIFY(m_view->visible);
        QVERIFY(!m_view->checked);
        m_steps->hide();
        QVERIFY(!m_view->visible);
        QCOMPARE(storedFlag(), textValue("1")); // showing and hiding write nothing
        end();
        QCOMPARE(storedFlag(), textValue("0"));

        start();
        QVERIFY(m_view->visible);
        QVERIFY(m_settings->errors().isEmpty());
    }

    void commandShowsLastTipAndUnchecks() {
        start();
        m_view->checked = true;
        m_steps->hide();
        const std::string tip = m_view->tip;
        m_now = atUtc(hours(12));
        m_steps->showFromCommand();
        QVERIFY(m_view->visible);
        QVERIFY(!m_view->checked);
        QCOMPARE(m_view->tip, tip); // no new draw
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
        start();
        if (nextTip) {
            m_now = atUtc(milliseconds(msSinceMidnight));
            m_steps->nextTip();
        }
        QCOMPARE(m_view->tipIndex(), index);
        QCOMPARE(m_generator->seed(), seedAfter);
    }

    // Over many clock readings "Next Tip" shows every tip but the last.
    void nextTipNeverShowsTheLastTip() {
        start();
        QSet<int> seen;
        for (int ms = 0; ms < 1500; ++ms) {
            m_now = atUtc(milliseconds(ms * 7919));
            m_steps->nextTip();
            seen.insert(m_view->tipIndex());
        }
        QVERIFY(!seen.contains(24));
        QVERIFY(!seen.contains(-1));
        QCOMPARE(seen.size(), 24);
    }

    void flagOfWrongTypeIsReported() {
        storeFlag(settings::REG_DWORD, std::string("\x01\0\0\0", 4));
        start();
        QCOMPARE(m_settings->errors(), QStringList{"Invalid data type for 'Tip'"});
        // The steps after the read are skipped.
        QVERIFY(!m_view->visible);
        QVERIFY(!m_view->checked);
        QCOMPARE(m_view->tip, "Tips");
        QVERIFY(!m_view->iconShown);
        // The handle is open, so the end of the run replaces the bad value with text.
        QVERIFY(m_steps->holdsSettings());
        end();
        QCOMPARE(m_settings->errors().size(), 1);
        QCOMPARE(storedFlag(), textValue("0"));
    }

    void failedWriteIsReportedOnce() {
        start();
        // The store now lies below a regular file, where no folder can be made.
        QFile blocker(m_settings->path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        end();
        QCOMPARE(m_settings->errors().size(), 1);
        QVERIFY2(m_settings->errors().first().startsWith("Failed to"),
                 qPrintable(m_settings->errors().first()));
        end(); // released: a second end writes and reports nothing
        QCOMPARE(m_settings->errors().size(), 1);
    }
};

QTEST_APPLESS_MAIN(TestTipOfTheDay)
#include "tst_tipoftheday.moc"
