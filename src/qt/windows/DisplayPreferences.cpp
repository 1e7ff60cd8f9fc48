#include "qt/windows/DisplayPreferences.h"

#include "qt/controls/commandbar/SpeedItem.h"
#include "qt/controls/pickers/ColorComboBox.h"
#include "qt/controls/pickers/FontComboBox.h"
#include "qt/platform/SystemColors.h"
#include "qt/platform/Text8Bit.h"
#include "settings/TRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

const std::string kOptionsKey = "Software\\Ludovane9900Vantorel\\Options";
const QString kDefaultFontName = QStringLiteral("Arial");

// The targets in the order every handler visits them; Label2 comes last and is not here.
template <class F> void forEachStyledTarget(const DisplayTargets& targets, F&& f) {
    for (QLineEdit* edit : targets.edits)
        f(static_cast<QWidget*>(edit));
    f(static_cast<QWidget*>(targets.list));
}

void setFontName(QWidget* widget, const QString& name) {
    if (name.isEmpty())
        return;
    QFont font = widget->font();
    font.setFamilies({name});
    widget->setFont(font);
}

// Only the enabled groups: a disabled control keeps drawing its text greyed.
void setFontColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Text, color);
        palette.setColor(group, QPalette::WindowText, color);
    }
    widget->setPalette(palette);
}

// The whole style set becomes {bold} or {}.
void setBoldOnly(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    widget->setFont(font);
}

} // namespace

DisplayPreferences::DisplayPreferences(const DisplayTargets& targets)
    : m_targets(targets) {}

DisplayPreferences::~DisplayPreferences() = default;

void DisplayPreferences::restore() {
    m_key = std::make_unique<settings::TRegistry>();
    if (!m_key->openKey(kOptionsKey, true))
        return;
    if (m_key->readString("Time") == "1")
        restoreStored();
    else
        m_targets.fontPicker->setFontName(kDefaultFontName);
}

void DisplayPreferences::restoreStored() {
    m_targets.fontPicker->setFontName(platform::fromWindows1252(m_key->readString("Font")));
    m_targets.boldToggle->setDown(m_key->readBool("FontStyle"));
    applyBold();
    m_targets.colorPicker->setColorValue(core::TColor(m_key->readInteger("FontColor")));
}

void DisplayPreferences::save() {
    if (!m_key)
        m_key = std::make_unique<settings::TRegistry>(); // no key open: the first write fails
    // One write for the four, in their order, so that "Time" never stands without the others.
    using settings::TRegistry;
    m_key->writeAll({TRegistry::text("Time", "1"),
                     TRegistry::text("Font", platform::toWindows1252(m_targets.fontPicker->fontName())),
                     TRegistry::boolean("FontStyle", m_targets.boldToggle->isDown()),
                     TRegistry::integer("FontColor", std::int32_t(m_targets.colorPicker->colorValue()))});
    m_key.reset();
}

void DisplayPreferences::applyFontName() {
    forEachStyledTarget(m_targets,
                        [this](QWidget* target) { setFontName(target, m_targets.fontPicker->fontName()); });
    setFontName(m_targets.label, m_targets.fontPicker->fontName());
}

void DisplayPreferences::applyColor() {
    forEachStyledTarget(m_targets, [this](QWidget* target) {
        setFontColor(target, platform::resolveColor(m_targets.colorPicker->colorValue()));
    });
}

void DisplayPreferences::applyBold() {
    const bool bold = m_targets.boldToggle->isDown();
    forEachStyledTarget(m_targets, [bold](QWidget* target) { setBoldOnly(target, bold); });
}
