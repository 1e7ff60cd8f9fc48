#include "ui/TipOfTheDay.h"

#include "settings/TRegIniFile.h"
#include "ui/TipGenerator.h"
#include "ui/TipList.h"
#include "ui/TipView.h"

#include <utility>

namespace ui {

TipOfTheDay::TipOfTheDay(TipView& view, TipGenerator& generator)
    : m_view(view)
    , m_generator(generator) {}

TipOfTheDay::~TipOfTheDay() = default;

void TipOfTheDay::FormCreate() {
    m_settings = std::make_unique<settings::TRegIniFile>(kSettingsKey);
    m_view.setHideTipChecked(m_settings->readBool(kSection, kFlagName, m_view.hideTipChecked()));
    m_view.setFormVisible(!m_view.hideTipChecked());
    // 25 draws of growing range, the last of range 25, so any tip can come up. Each draw shows
    // its tip; only the last is ever seen, so only the last is shown.
    m_generator.randomize();
    std::uint32_t tip = 0;
    for (std::uint32_t range = 1; range <= kTipCount; ++range)
        tip = m_generator.random(range);
    m_view.showTip(tipLine(static_cast<int>(tip)));
    m_view.showOwnIcon();
}

void TipOfTheDay::nextTip() {
    // 25 draws of range 24: the last tip of the list comes up only at start-up.
    m_generator.randomize();
    std::uint32_t tip = 0;
    for (int i = 0; i < kTipCount; ++i)
        tip = m_generator.random(kTipCount - 1);
    m_view.showTip(tipLine(static_cast<int>(tip)));
}

void TipOfTheDay::hide() {
    m_view.setFormVisible(false);
}

void TipOfTheDay::showFromCommand() {
    m_view.showInFront();
    m_view.setHideTipChecked(false);
}

void TipOfTheDay::FormDestroy() {
    const std::unique_ptr<settings::TRegIniFile> handle = std::move(m_settings);
    if (handle)
        handle->writeBool(kSection, kFlagName, m_view.hideTipChecked());
}

} // namespace ui
