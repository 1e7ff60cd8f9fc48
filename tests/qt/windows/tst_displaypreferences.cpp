#include "qt/windows/DisplayPreferences.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "qt/controls/commandbar/SpeedBar.h"
#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/commandbar/SpeedbarButton.h"
#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryTree.h"
#include "settings/RegistryValue.h"
#include "support/FreshSettings.h"
#include "support/TestFontSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>

using settings::RegistryStore;
using settings::RegistryValue;

namespace {

const std::string kKey = "Software\\Ludovane9900Vantorel\\Options";

std::string dword(std::uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
}
std::string sz(const std::string& text) {
    return text + '\0';
}

// The main window's display targets and preference controls, wired as the window wires them.
class Targets {
public:
    Targets() {
        m_window.resize(617, 281);
        for (int i = 0; i < 10; ++i) {
            auto* edit = new QLineEdit(&m_window);
            edit->setFont(designedFont("Arial", 12));
            edit->setEnabled(false);
            m_targets.edits[i] = edit;
        }
        m_targets.list = new QListWidget(&m_window);
        m_targets.list->setFont(designedFont("Arial", 11));
        m_targets.label = new QLabel(QStringLiteral("Country"), &m_window);
        QFont labelFont = designedFont("Arial Black", 16);
        labelFont.setUnderline(true);
        m_targets.label->setFont(labelFont);

        auto* bar = new TSpeedBar(&m_window);
        m_targets.fontPicker = new TFontComboBox(bar);
        m_targets.fontPicker->setTrueTypeOnly(true);
        m_targets.colorPicker = new TColorComboBox(bar);
        m_targets.boldToggle = new TSpeedItem(bar, QStringLiteral("Other"));
        m_targets.boldToggle->setGroupIndex(2);
        m_targets.boldToggle->setAllowAllUp(true);

        m_prefs = std::make_unique<DisplayPreferences>(m_targets);
        QObject::connect(m_targets.fontPicker, &TOwnerDrawComboBox::OnChange,
                         core::guarded([this](QObject*) { m_prefs->applyFontName(); }));
        QObject::connect(m_targets.colorPicker, &TOwnerDrawComboBox::OnChange,
                         core::guarded([this](QObject*) { m_prefs->applyColor(); }));
        QObject::connect(m_targets.boldToggle, &TSpeedItem::OnClick,
                         core::guarded([this](QObject*) { m_prefs->applyBold(); }));
        m_window.show(); // creates the pickers' windows, as the main window's first show does
    }

    DisplayPreferences& prefs() { return *m_prefs; }
    const DisplayTargets& targets() const { return m_targets; }
    QLineEdit* edit(int i) const { return m_targets.edits[i]; }
    void clickBold() { QTest::mouseClick(m_targets.boldToggle->button(), Qt::LeftButton); }

private:
    static QFont designedFont(const QString& family, int pixels) {
        QFont font(family);
        font.setPixelSize(pixels);
        return font;
    }

    QWidget m_window;
    DisplayTargets m_targets;
    std::unique_ptr<DisplayPreferences> m_prefs;
};

QColor textColor(const QWidget* w) {
    return w->palette().color(QPalette::Active, QPalette::Text);
}

} // namespace

class TestDisplayPreferences : public QObject {
    Q_OBJECT

public:
    explicit TestDisplayPreferences(const TestFontSet&) {}

private:
    std::unique_ptr<FreshSettings> m_settings;

    void store(const std::string& name, std::uint32_t type, const std::string& data) {
        QVERIFY(RegistryStore().setValue(kKey, name, type, data));
    }
    std::optional<RegistryValue> stored(const std::string& name) {
        return RegistryStore().queryValue(kKey, name);
    }

    void storeStandard(const std::string& time, const std::string& font, std::uint32_t style,
                       std::uint32_t color) {
        store("Time", settings::REG_SZ, sz(time));
        store("Font", settings::REG_SZ, sz(font));
        store("FontStyle", settings::REG_DWORD, dword(style));
        store("FontColor", settings::REG_DWORD, dword(color));
    }

    // Every styled target (fields and list) shows the family, weight and colour given.
    void verifyStyledTargets(const Targets& t, const QString& family, bool bold, const QColor& color) {
        QList<QWidget*> styled(t.targets().edits.begin(), t.targets().edits.end());
        styled << t.targets().list;
        for (QWidget* w : styled) {
            QCOMPARE(w->font().family(), family);
            QCOMPARE(w->font().bold(), bold);
            QCOMPARE(textColor(w), color);
        }
    }

private slots:
    void init() {
        m_settings.reset(); // the old one lets go of the error sink first
        m_settings = std::make_unique<FreshSettings>();
        QVERIFY(m_settings->isValid());
    }

    // Whatever else is stored, a "Time" other than exactly "1" is a first run.
    void firstRunAppliesArialAndIgnoresStoredValues_data() {
        QTest::addColumn<bool>("haveKey");
        QTest::addColumn<QByteArray>("time");
        QTest::newRow("no key at all") << false << QByteArray();
        QTest::newRow("Time 01") << true << QByteArray("01");
        QTest::newRow("Time 1 and a space") << true << QByteArray("1 ");
        QTest::newRow("Time a word") << true << QByteArray("yes");
        QTest::newRow("Time empty") << true << QByteArray("");
    }
    void firstRunAppliesArialAndIgnoresStoredValues() {
        QFETCH(bool, haveKey);
        QFETCH(QByteArray, time);
        if (haveKey)
            storeStandard(time.toStdString(), "Liberation Serif", 1, 255);
        Targets t;
        QVERIFY(core::runGuarded([&] { t.prefs().restore(); }));

        verifyStyledTargets(t, "Arial", false, QColor(0, 0, 0));
        QCOMPARE(t.targets().label->font().family(), QStringLiteral("Arial"));
        QVERIFY(t.targets().label->font().underline());
        QCOMPARE(t.targets().colorPicker->currentText(), QStringLiteral("Black"));
        QVERIFY(!t.targets().boldToggle->isDown());

        QVERIFY(core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(stored("Time"), (RegistryValue{settings::REG_SZ, sz("1")}));
        QCOMPARE(stored("Font"), (RegistryValue{settings::REG_SZ, sz("Arial")}));
        QCOMPARE(stored("FontStyle"), (RegistryValue{settings::REG_DWORD, dword(0)}));
        QCOMPARE(stored("FontColor"), (RegistryValue{settings::REG_DWORD, dword(0)}));
        QVERIFY(m_settings->errors().isEmpty());
    }

    void storedPreferencesAreRestored_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<uint>("style");
        QTest::addColumn<uint>("color");
        QTest::addColumn<QString>("pickerText");
        QTest::addColumn<QColor>("shown");
        QTest::addColumn<uint>("styleWritten");
        QTest::newRow("another family, bold, red")
            << "Liberation Serif" << 1u << 255u << "Red" << QColor(255, 0, 0) << 1u;
        QTest::newRow("FontStyle 7 counts as pressed")
            << "Liberation Serif" << 7u << 0u << "Black" << QColor(0, 0, 0) << 1u;
        QTest::newRow("Silver") << "Arial" << 0u << 0xC0C0C0u << "Silver" << QColor(192, 192, 192) << 0u;
        QTest::newRow("unlisted dark grey") << "Arial" << 0u << 0x404040u << "" << QColor(64, 64, 64) << 0u;
    }
    void storedPreferencesAreRestored() {
        QFETCH(QString, family);
        QFETCH(uint, style);
        QFETCH(uint, color);
        QFETCH(QString, pickerText);
        QFETCH(QColor, shown);
        QFETCH(uint, styleWritten);
        storeStandard("1", family.toStdString(), style, color);
        Targets t;
        QVERIFY(core::runGuarded([&] { t.prefs().restore(); }));

        verifyStyledTargets(t, family, style != 0, shown);
        const QFont labelFont = t.targets().label->font();
        QCOMPARE(labelFont.family(), family);
        QVERIFY(labelFont.underline());
        QVERIFY(!labelFont.bold());
        QCOMPARE(textColor(t.targets().label), QColor(0, 0, 0));
        QCOMPARE(t.targets().boldToggle->isDown(), style != 0);
        QCOMPARE(t.targets().colorPicker->currentIndex() < 0 ? QString()
                                                             : t.targets().colorPicker->currentText(),
                 pickerText);

        QVERIFY(core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(stored("Font"), (RegistryValue{settings::REG_SZ, sz(family.toStdString())}));
        QCOMPARE(stored("FontStyle"), (RegistryValue{settings::REG_DWORD, dword(styleWritten)}));
        QCOMPARE(stored("FontColor"), (RegistryValue{settings::REG_DWORD, dword(color)}));
        QVERIFY(m_settings->errors().isEmpty());
    }

    // A hand-edited store with a line that cannot be read: the preferences are restored, the user
    // is told once which line was skipped, and the exit write leaves it out.
    void handEditedStoreIsRestored() {
        QDir().mkpath(m_settings->path() + "/vantorel");
        QFile file(m_settings->path() + "/vantorel/registry.reg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "\xef\xbb\xbfWindows Registry Editor Version 5.00\n"
            "[HKEY_CURRENT_USER\\Software\\Ludovane9900Vantorel\\Options] ; by hand\n"
            "  \"Time\" = \"1\"\n\"Font\"=\"Liberation Serif\"\n\"Note\"=what?\n\"FontStyle\"=dword:1\n"
            "\"FontColor\"=dword:FF ; red\n");
        file.close();
        Targets t;
        QVERIFY(core::runGuarded([&] { t.prefs().restore(); }));
        verifyStyledTargets(t, "Liberation Serif", true, QColor(255, 0, 0));
        QVERIFY(core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(m_settings->errors().size(), 1);
        QVERIFY2(m_settings->errors()[0].contains("(line 5: unknown value form"),
                 qPrintable(m_settings->errors()[0]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("\"Time\"=\"1\"\r\n\"Font\"=\"Liberation Serif\"\r\n"
                                        "\"FontStyle\"=dword:00000001\r\n\"FontColor\"=dword:000000ff\r\n"));
    }

    // A family the picker does not list selects nothing; the designed fonts stay, and the
    // empty name written back behaves the same on the next start.
    void unknownOrEmptyFontKeepsDesignedFonts_data() {
        QTest::addColumn<QString>("font");
        QTest::newRow("empty stored name") << "";
        QTest::newRow("family not installed") << "No Such Family";
    }
    void unknownOrEmptyFontKeepsDesignedFonts() {
        QFETCH(QString, font);
        storeStandard("1", font.toStdString(), 0, 0);
        Targets t;
        QVERIFY(core::runGuarded([&] { t.prefs().restore(); }));
        QCOMPARE(t.edit(0)->font().family(), QStringLiteral("Arial"));
        QCOMPARE(t.targets().list->font().family(), QStringLiteral("Arial"));
        QCOMPARE(t.targets().label->font().family(), QStringLiteral("Arial Black"));
        QCOMPARE(t.targets().fontPicker->currentIndex(), -1);
        QVERIFY(core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(stored("Font"), (RegistryValue{settings::REG_SZ, sz("")}));
    }

    void boldToggleAndColourApplyAtOnce() {
        Targets t;
        QVERIFY(core::runGuarded([&] { t.prefs().restore(); }));
        QFont italic = t.edit(3)->font();
        italic.setItalic(true);
        t.edit(3)->setFont(italic);

        t.clickBold();
        QVERIFY(t.targets().boldToggle->isDown());
        verifyStyledTargets(t, "Arial", true, QColor(0, 0, 0));
        QVERIFY(!t.edit(3)->font().italic()); // the whole style set is replaced
        QVERIFY(!t.targets().label->font().bold());
        QVERIFY(t.targets().label->font().underline());

        t.clickBold();
        QVERIFY(!t.targets().boldToggle->isDown());
        verifyStyledTargets(t, "Arial", false, QColor(0, 0, 0));

        t.targets().colorPicker->setColorValue(core::clBlue);
        verifyStyledTargets(t, "Arial", false, QColor(0, 0, 255));
        QCOMPARE(textColor(t.targets().label), QColor(0, 0, 0));

        QVERIFY(core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(stored("FontStyle"), (RegistryValue{settings::REG_DWORD, dword(0)}));
        QCOMPARE(stored("FontColor"), (RegistryValue{settings::REG_DWORD, dword(core::clBlue)}));
    }

    // A disabled field keeps its greyed text; the colour shows once it is enabled.
    void disabledFieldsStayGreyed() {
        Targets t;
        const QColor greyed = t.edit(0)->palette().color(QPalette::Disabled, QPalette::Text);
        t.targets().colorPicker->setColorValue(core::clRed);
        QCOMPARE(t.edit(0)->palette().color(QPalette::Disabled, QPalette::Text), greyed);
        QCOMPARE(textColor(t.edit(0)), QColor(255, 0, 0));
    }

    // Each failing read ends the restore where it happens; what came before stays applied.
    void damagedValuesReportAndStop_data() {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Time not text") << QByteArray("Time") << uint(settings::REG_DWORD)
                                       << QByteArray("\1\0\0\0", 4) << "Invalid data type for 'Time'"
                                       << "Arial" << false;
        QTest::newRow("Font not text") << QByteArray("Font") << uint(settings::REG_DWORD)
                                       << QByteArray("\1\0\0\0", 4) << "Invalid data type for 'Font'"
                                       << "Arial" << false;
        QTest::newRow("FontStyle absent")
            << QByteArray("FontStyle") << 0u << QByteArray() << "Failed to get data for 'FontStyle'"
            << "Liberation Serif" << false;
        QTest::newRow("FontStyle too long")
            << QByteArray("FontStyle") << uint(settings::REG_DWORD) << QByteArray("\1\0\0\0\0", 5)
            << "Failed to get data for 'FontStyle'"
            << "Liberation Serif" << false;
        QTest::newRow("FontStyle text") << QByteArray("FontStyle") << uint(settings::REG_SZ)
                                        << QByteArray("1\0", 2) << "Invalid data type for 'FontStyle'"
                                        << "Liberation Serif" << false;
        QTest::newRow("FontColor absent")
            << QByteArray("FontColor") << 0u << QByteArray() << "Failed to get data for 'FontColor'"
            << "Liberation Serif" << true;
        QTest::newRow("FontColor text") << QByteArray("FontColor") << uint(settings::REG_SZ)
                                        << QByteArray("255\0", 4) << "Invalid data type for 'FontColor'"
                                        << "Liberation Serif" << true;
    }
    void damagedValuesReportAndStop() {
        QFETCH(QByteArray, damaged);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        const std::string name = damaged.toStdString();
        for (const auto& [valueName, value] :
             {std::pair<std::string, RegistryValue>{"Time", {settings::REG_SZ, sz("1")}},
              {"Font", {settings::REG_SZ, sz("Liberation Serif")}},
              {"FontStyle", {settings::REG_DWORD, dword(1)}},
              {"FontColor", {settings::REG_DWORD, dword(255)}}}) {
            if (valueName != name)
                store(valueName, value.type, value.data);
            else if (type != 0)
                store(valueName, type, data.toStdString());
        }
        Targets t;
        QVERIFY(!core::runGuarded([&] { t.prefs().restore(); }));
        QCOMPARE(m_settings->errors(), QStringList{message});
        // The designed "Arial" stays when nothing was applied; the colour is never restored.
        QCOMPARE(t.edit(9)->font().family(), family);
        QCOMPARE(t.targets().list->font().bold(), bold);
        QCOMPARE(textColor(t.edit(9)), QColor(0, 0, 0));

        // The end writes every value again, replacing the damaged one.
        QVERIFY(core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(stored("Time"), (RegistryValue{settings::REG_SZ, sz("1")}));
        QCOMPARE(stored(name)->type,
                 name == "Time" || name == "Font" ? uint(settings::REG_SZ) : uint(settings::REG_DWORD));
    }

    // With no store that can be written the key cannot be created: nothing is read, and the
    // end fails on its first write.
    void unwritableStore() {
        QFile blocker(m_settings->path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        Targets t;
        QVERIFY(core::runGuarded([&] { t.prefs().restore(); }));
        QCOMPARE(t.targets().label->font().family(), QStringLiteral("Arial Black"));
        QVERIFY(!core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(m_settings->errors(), QStringList{"Failed to set data for 'Time'"});
    }

    // A store that can take "Time" but no larger file: the four values go in one write, so
    // the failure stores none of them, instead of a "Time" whose others are missing (which
    // would fail the next start on "FontStyle").
    void exitWritesTheFourValuesAsOne() {
        Targets t;
        QVERIFY(core::runGuarded([&] { t.prefs().restore(); }));
        settings::RegistryTree timeOnly;
        timeOnly.setValue(kKey, "Time", RegistryValue{settings::REG_SZ, sz("1")});
        const rlim_t limit = settings::RegistryFile::serialise(timeOnly).size();
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, saved.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool savedOk = core::runGuarded([&] { t.prefs().save(); });
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, oldHandler);
        QVERIFY(!savedOk);
        QCOMPARE(m_settings->errors(), QStringList{"Failed to set data for 'Time'"});
        QCOMPARE(stored("Time"), std::nullopt);
    }

    void saveWithoutRestoreFailsOnTime() {
        Targets t;
        QVERIFY(!core::runGuarded([&] { t.prefs().save(); }));
        QCOMPARE(m_settings->errors(), QStringList{"Failed to set data for 'Time'"});
        QVERIFY(!stored("Time"));
    }
};

VANTOREL_FONT_TEST_MAIN(TestDisplayPreferences)
#include "tst_displaypreferences.moc"
