#include "ui/DisplayPreferenceSteps.h"

#include "settings/TRegistry.h"

#include <cstdint>
#include <string>

namespace ui {

namespace {

const std::string kOptionsKey = "Software\\Ludovane9900Vantorel\\Options";
const std::string kDefaultFontName = "Arial";

} // namespace

DisplayPreferenceSteps::DisplayPreferenceSteps(DisplayPreferencesView& view)
    : m_view(view) {}

DisplayPreferenceSteps::~DisplayPreferenceSteps() = default;

void DisplayPreferenceSteps::restore() {
    m_key = std::make_unique<settings::TRegistry>();
    if (!m_key->openKey(kOptionsKey, true))
        return;
    if (m_key->readString("Time") == "1")
        restoreStored();
    else
        m_view.setFontPickerName(kDefaultFontName);
}

void DisplayPreferenceSteps::restoreStored() {
    m_view.setFontPickerName(m_key->readString("Font"));
    m_view.setBoldToggleDown(m_key->readBool("FontStyle"));
    applyBold();
    m_view.setColorPickerValue(core::TColor(m_key->readInteger("FontColor")));
}

void DisplayPreferenceSteps::save() {
    if (!m_key)
        m_key = std::make_unique<settings::TRegistry>(); // no key open: the first write fails
    // One write for the four, in their order, so that "Time" never stands without the others.
    using settings::TRegistry;
    m_key->writeAll({TRegistry::text("Time", "1"), TRegistry::text("Font", m_view.fontPickerName()),
                     TRegistry::boolean("FontStyle", m_view.boldToggleDown()),
                     TRegistry::integer("FontColor", std::int32_t(m_view.colorPickerValue()))});
    m_key.reset();
}

// Every target, the country label included; a target keeps its font for an empty name.
void DisplayPreferenceSteps::applyFontName() {
    for (int target = 0; target < kDisplayTargetCount; ++target) {
        const std::string name = m_view.fontPickerName();
        if (!name.empty())
            m_view.setTargetFontName(target, name);
    }
}

// Every target but the country label, which stays black.
void DisplayPreferenceSteps::applyColor() {
    for (int target = 0; target < kCountryLabelTarget; ++target)
        m_view.setTargetColor(target, m_view.colorPickerValue());
}

// Every target but the country label, which keeps its underline and is never bold.
void DisplayPreferenceSteps::applyBold() {
    const bool bold = m_view.boldToggleDown();
    for (int target = 0; target < kCountryLabelTarget; ++target)
        m_view.setTargetBold(target, bold);
}

} // namespace ui
