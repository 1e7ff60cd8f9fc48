// The display preferences on the main window's widgets: fonts, weight and colours as the
// widgets show them, and the real pickers' choices. The steps themselves: tests/ui.

#include "qt/windows/DisplayPreferenceWidgets.h"

#include "core/Boundary.h"
#include "core/Exception.h"
#include "qt/controls/commandbar/SpeedBar.h"
#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/commandbar/SpeedbarButton.h"
#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "settings/RegistryStore.h"
#include "settings/RegistryValue.h"
#include "support/FreshSettings.h"
#include "support/TestFontSet.h"
#include "ui/DisplayPreferenceSteps.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>
#include <optional>

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

        m_widgets = std::make_unique<DisplayPreferenceWidgets>(m_targets);
        m_prefs = std::make_unique<ui::DisplayPreferenceSteps>(*m_widgets);
        QObject::connect(m_targets.fontPicker, &TOwnerDrawComboBox::OnChange,
                         core::guarded([this](QObject*) { m_prefs->applyFontName(); }));
        QObject::connect(m_targets.colorPicker, &TOwnerDrawComboBox::OnChange,
                         core::guarded([this](QObject*) { m_prefs->applyColor(); }));
        QObject::connect(m_targets.boldToggle, &TSpeedItem::OnClick,
                         core::guarded([this](QObject*) { m_prefs->applyBold(); }));
        m_window.show(); // creates the pickers' windows, as the main window's first show does
    }

    ui::DisplayPreferenceSteps& prefs() { return *m_prefs; }
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
    std::unique_ptr<DisplayPreferenceWidgets> m_widgets;
    std::unique_ptr<ui::DisplayPreferenceSteps> m_prefs;
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

    void storedPreferencesAreRestored_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<uint>("style");
        QTest::addColumn<uint>("color");
        QTest::addColumn<QString>("pickerText");
        QTest::addColumn<QColor>("shown");
        QTest::addColumn<uint>("styleWritten");
        QTest::newRow("another family, bold, red")
            << "Liberation Serif" << 1u << 255u << "Red" << QColor(255, 0, 0) << 1u;
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
};

VANTOREL_FONT_TEST_MAIN(TestDisplayPreferences)
#include "tst_displaypreferences.moc"
