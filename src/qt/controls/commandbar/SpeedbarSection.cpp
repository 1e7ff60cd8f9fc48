#include "qt/controls/commandbar/SpeedbarSection.h"

#include "qt/controls/commandbar/SpeedItem.h"

TSpeedbarSection::TSpeedbarSection(const QString& name, QObject* bar)
    : QObject(bar)
    , m_name(name) {}

// The items go while the section is still whole: each removes itself from it.
TSpeedbarSection::~TSpeedbarSection() {
    while (!m_items.isEmpty())
        delete m_items.takeLast();
}

void TSpeedbarSection::addItem(TSpeedItem* item) {
    m_items.append(item);
}

void TSpeedbarSection::removeItem(TSpeedItem* item) {
    m_items.removeOne(item);
}
