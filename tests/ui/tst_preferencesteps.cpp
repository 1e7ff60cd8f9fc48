// The display preferences' steps over a recording view and a real settings store: what a start
// restores (or reports), and what the end writes.

#include "core/Boundary.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryTree.h"
#include "settings/RegistryValue.h"
#include "support/FreshSettings.h"
#include "ui/DisplayPreferenceSteps.h"

#include <QDir>
#include <QTest>

#include <array>
#include <csignal>
#include <sys/resource.h>

using settings::RegistryStore;
using settings::RegistryValue;

namespace {

const std::string kKey = "Software\\Ludovane9900Vantorel\\Options";

std::string dword(std::uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
}
RegistryValue sz(const std::string& text) {
    return {settings::REG_SZ, text + '\0'};
}
RegistryValue number(std::uint32_t v) {
    return {settings::REG_DWORD, dword(v)};
}

// A main window as the steps see it: pickers that behave as the real ones (a name the font
// picker does not list selects nothing; every change raises the notification) and targets
// that keep what they were given, starting from their designed fonts.
class RecordingView : public ui::DisplayPreferencesView {
public:
    ui::DisplayPreferenceSteps steps{*this};
    std::string fontName;
    bool down = false;
    core::TColor colorValue = core::clBlack;
    std::array<std::string, ui::kDisplayTargetCount> font;
    std::array<bool, ui::kDisplayTargetCount> bold{};
    std::array<core::TColor, ui::kDisplayTargetCount> color{};

    RecordingView() {
        font.fill("Arial");
        font[ui::kCountryLabelTarget] = "Arial Black";
    }

    void setFontPickerName(const std::string& name) override {
        fontName.clear();
        for (const char* listed : {"Arial", "Liberation Serif"})
            if (QString::fromStdString(name).compare(QLatin1String(listed), Qt::CaseInsensitive) == 0)
                fontName = listed;
        steps.applyFontName();
    }
    std::string fontPickerName() const override { return fontName; }
    void setBoldToggleDown(bool d) override { down = d; }
    bool boldToggleDown() const override { return down; }
    void setColorPickerValue(core::TColor c) override {
        colorValue = c;
        steps.applyColor();
    }
    core::TColor colorPickerValue() const override { return colorValue; }
    void setTargetFontName(int target, const std::string& name) override { font.at(target) = name; }
    void setTargetBold(int target, bool b) override { bold.at(target) = b; }
    void setTargetColor(int target, core::TColor c) override { color.at(target) = c; }

    // Every target but the label shows the family, weight and colour; the label the family
    // only, never bold, always black.
    bool shows(const std::string& family, bool isBold, core::TColor c, const std::string& labelFamily) const {
        for (int t = 0; t < ui::kCountryLabelTarget; ++t)
            if (font[t] != family || bold[t] != isBold || color[t] != c)
                return false;
        return font[ui::kCountryLabelTarget] == labelFamily && !bold[ui::kCountryLabelTarget] &&
               color[ui::kCountryLabelTarget] == core::clBlack;
    }
};

using Stored = std::vector<std::pair<std::string, RegistryValue>>;
const Stored kStandard{{"Time", sz("1")},
                       {"Font", sz("Liberation Serif")},
                       {"FontStyle", number(1)},
                       {"FontColor", number(255)}};

// The standard values with one of them replaced, or left out.
Stored with(const std::string& name, const RegistryValue& value) {
    Stored stored = kStandard;
    for (auto& [valueName, storedValue] : stored)
        if (valueName == name)
            storedValue = value;
    return stored;
}
Stored without(const std::string& name) {
    Stored stored = kStandard;
    std::erase_if(stored, [&](const auto& entry) { return entry.first == name; });
    return stored;
}

} // namespace

Q_DECLARE_METATYPE(Stored)

class TestPreferenceSteps : public QObject {
    Q_OBJECT

    std::unique_ptr<FreshSettings> m_settings;

    std::optional<RegistryValue> stored(const std::string& name) {
        return RegistryStore().queryValue(kKey, name);
    }

private slots:
    void init() {
        m_settings.reset(); // the old one lets go of the error sink first
        m_settings = std::make_unique<FreshSettings>();
        QVERIFY(m_settings->isValid());
    }

    // What a start shows, what it reports, and what the end writes back.
    void restoreAndSave_data() {
        QTest::addColumn<bool>("haveKey");
        QTest::addColumn<Stored>("values");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<uint>("color");
        QTest::addColumn<QString>("labelFamily");
        QTest::addColumn<QString>("fontWritten");
        QTest::addColumn<uint>("styleWritten");

        // Whatever else is stored, a "Time" other than exactly "1" is a first run.
        QTest::newRow("no key at all") << false << Stored{} << ""
                                       << "Arial" << false << 0u << "Arial"
                                       << "Arial" << 0u;
        for (const char* time : {"01", "1 ", "yes", ""})
            QTest::addRow("first run, Time '%s'", time) << true << with("Time", sz(time)) << ""
                                                        << "Arial" << false << 0u << "Arial"
                                                        << "Arial" << 0u;

        QTest::newRow("another family, bold, red") << true << kStandard << ""
                                                   << "Liberation Serif" << true << 255u << "Liberation Serif"
                                                   << "Liberation Serif" << 1u;
        QTest::newRow("FontStyle 7 counts as pressed")
            << true << with("FontStyle", number(7)) << ""
            << "Liberation Serif" << true << 255u << "Liberation Serif"
            << "Liberation Serif" << 1u;
        QTest::newRow("family in another case") << true << with("Font", sz("LIBERATION serif")) << ""
                                                << "Liberation Serif" << true << 255u << "Liberation Serif"
                                                << "Liberation Serif" << 1u;
        // A family the picker does not list selects nothing: the designed fonts stay, and the
        // empty name is written back.
        QTest::newRow("family not listed") << true << with("Font", sz("No Such Family")) << ""
                                           << "Arial" << true << 255u << "Arial Black"
                                           << "" << 1u;
        QTest::newRow("empty family") << true << with("Font", sz("")) << ""
                                      << "Arial" << true << 255u << "Arial Black"
                                      << "" << 1u;

        // Each failing read ends the restore where it happens; what came before stays applied.
        QTest::newRow("Time not text") << true << with("Time", number(1)) << "Invalid data type for 'Time'"
                                       << "Arial" << false << 0u << "Arial Black"
                                       << "" << 0u;
        QTest::newRow("Font not text") << true << with("Font", number(1)) << "Invalid data type for 'Font'"
                                       << "Arial" << false << 0u << "Arial Black"
                                       << "" << 0u;
        QTest::newRow("FontStyle absent")
            << true << without("FontStyle") << "Failed to get data for 'FontStyle'"
            << "Liberation Serif" << false << 0u << "Liberation Serif"
            << "Liberation Serif" << 0u;
        QTest::newRow("FontStyle too long")
            << true << with("FontStyle", RegistryValue{settings::REG_DWORD, std::string("\1\0\0\0\0", 5)})
            << "Failed to get data for 'FontStyle'"
            << "Liberation Serif" << false << 0u << "Liberation Serif"
            << "Liberation Serif" << 0u;
        QTest::newRow("FontStyle text")
            << true << with("FontStyle", sz("1")) << "Invalid data type for 'FontStyle'"
            << "Liberation Serif" << false << 0u << "Liberation Serif"
            << "Liberation Serif" << 0u;
        QTest::newRow("FontColor absent")
            << true << without("FontColor") << "Failed to get data for 'FontColor'"
            << "Liberation Serif" << true << 0u << "Liberation Serif"
            << "Liberation Serif" << 1u;
        QTest::newRow("FontColor text")
            << true << with("FontColor", sz("255")) << "Invalid data type for 'FontColor'"
            << "Liberation Serif" << true << 0u << "Liberation Serif"
            << "Liberation Serif" << 1u;
    }
    void restoreAndSave() {
        QFETCH(bool, haveKey);
        QFETCH(Stored, values);
        QFETCH(QString, error);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(uint, color);
        QFETCH(QString, labelFamily);
        QFETCH(QString, fontWritten);
        QFETCH(uint, styleWritten);
        if (haveKey) {
            QVERIFY(RegistryStore().createKey(kKey));
            for (const auto& [name, value] : values)
                QVERIFY(RegistryStore().setValue(kKey, name, value.type, value.data));
        }
        RecordingView view;
        QCOMPARE(core::runGuarded([&] { view.steps.restore(); }), error.isEmpty());
        QCOMPARE(m_settings->errors(), error.isEmpty() ? QStringList() : QStringList{error});
        QVERIFY(view.shows(family.toStdString(), bold, color, labelFamily.toStdString()));

        QVERIFY(core::runGuarded([&] { view.steps.save(); }));
        QCOMPARE(stored("Time"), sz("1"));
        QCOMPARE(stored("Font"), sz(fontWritten.toStdString()));
        QCOMPARE(stored("FontStyle"), number(styleWritten));
        QCOMPARE(stored("FontColor"), number(color));
    }

    // A colour the picker does not list still reaches the targets and is written back as it is.
    void unlistedColourIsKept() {
        QVERIFY(RegistryStore().createKey(kKey));
        for (const auto& [name, value] : with("FontColor", number(0x404040)))
            QVERIFY(RegistryStore().setValue(kKey, name, value.type, value.data));
        RecordingView view;
        QVERIFY(core::runGuarded([&] { view.steps.restore(); }));
        QVERIFY(view.shows("Liberation Serif", true, 0x404040, "Liberation Serif"));
        QVERIFY(core::runGuarded([&] { view.steps.save(); }));
        QCOMPARE(stored("FontColor"), number(0x404040));
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
        RecordingView view;
        QVERIFY(core::runGuarded([&] { view.steps.restore(); }));
        QVERIFY(view.shows("Liberation Serif", true, 255, "Liberation Serif"));
        QVERIFY(core::runGuarded([&] { view.steps.save(); }));
        QCOMPARE(m_settings->errors().size(), 1);
        QVERIFY2(m_settings->errors()[0].contains("(line 5: unknown value form"),
                 qPrintable(m_settings->errors()[0]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("\"Time\"=\"1\"\r\n\"Font\"=\"Liberation Serif\"\r\n"
                                        "\"FontStyle\"=dword:00000001\r\n\"FontColor\"=dword:000000ff\r\n"));
    }

    // With no store that can be written the key cannot be created: nothing is read, and the
    // end fails on its first write.
    void unwritableStore() {
        QFile blocker(m_settings->path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        RecordingView view;
        QVERIFY(core::runGuarded([&] { view.steps.restore(); }));
        QVERIFY(view.shows("Arial", false, 0, "Arial Black"));
        QVERIFY(!core::runGuarded([&] { view.steps.save(); }));
        QCOMPARE(m_settings->errors(), QStringList{"Failed to set data for 'Time'"});
    }

    // A store that can take "Time" but no larger file: the four values go in one write, so
    // the failure stores none of them, instead of a "Time" whose others are missing (which
    // would fail the next start on "FontStyle").
    void exitWritesTheFourValuesAsOne() {
        RecordingView view;
        QVERIFY(core::runGuarded([&] { view.steps.restore(); }));
        settings::RegistryTree timeOnly;
        timeOnly.setValue(kKey, "Time", sz("1"));
        const rlim_t limit = settings::RegistryFile::serialise(timeOnly).size();
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, saved.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool savedOk = core::runGuarded([&] { view.steps.save(); });
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, oldHandler);
        QVERIFY(!savedOk);
        QCOMPARE(m_settings->errors(), QStringList{"Failed to set data for 'Time'"});
        QCOMPARE(stored("Time"), std::nullopt);
    }

    void saveWithoutRestoreFailsOnTime() {
        RecordingView view;
        QVERIFY(!core::runGuarded([&] { view.steps.save(); }));
        QCOMPARE(m_settings->errors(), QStringList{"Failed to set data for 'Time'"});
        QVERIFY(!stored("Time"));
    }
};

QTEST_GUILESS_MAIN(TestPreferenceSteps)
#include "tst_preferencesteps.moc"
