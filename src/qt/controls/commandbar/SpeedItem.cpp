#include "qt/controls/commandbar/SpeedItem.h"

#include "qt/controls/commandbar/SpeedBar.h"
#include "qt/controls/commandbar/SpeedbarButton.h"
#include "qt/controls/commandbar/SpeedbarSection.h"

TSpeedItem::TSpeedItem(TSpeedBar* bar, const QString& sectionName)
    : m_bar(bar) {
    m_section = bar->section(sectionName);
    if (!m_section)
        m_section = bar->addSection(sectionName);
    setParent(m_section);
    m_section->addItem(this);
    m_button = new TSpeedbarButton(this, bar);
    connect(m_button, &TSpeedButton::OnClick, this, [this] { emit OnClick(this); });
    connect(m_button, &TSpeedButton::OnDblClick, this, [this] { emit OnDblClick(this); });
    bar->placeButton(this);
    m_button->show();
}

TSpeedItem::~TSpeedItem() {
    if (m_section)
        m_section->removeItem(this);
    delete m_button.data();
}

TSpeedBar* TSpeedItem::bar() const {
    return m_bar;
}

TSpeedbarButton* TSpeedItem::button() const {
    return m_button;
}

QString TSpeedItem::sectionName() const {
    return m_section ? m_section->name() : QString();
}

void TSpeedItem::setCaption(const QString& caption) {
    m_caption = caption;
}

void TSpeedItem::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (m_button)
        m_button->setEnabled(enabled); // a child of a disabled bar stays disabled
}

void TSpeedItem::setVisible(bool visible) {
    m_visible = visible;
    if (m_button)
        m_button->setVisible(visible);
}

void TSpeedItem::setHint(const QString& hint) {
    m_button->setHint(hint);
}
QString TSpeedItem::hint() const {
    return m_button->hint();
}
void TSpeedItem::setShowHint(bool showHint) {
    m_button->setShowHint(showHint);
}
bool TSpeedItem::showHint() const {
    return m_button->effectiveShowHint();
}
void TSpeedItem::setGlyph(const QPixmap& glyph) {
    m_button->setGlyph(glyph);
}
QPixmap TSpeedItem::glyph() const {
    return m_button->glyph();
}
void TSpeedItem::setNumGlyphs(int numGlyphs) {
    m_button->setNumGlyphs(numGlyphs);
}
int TSpeedItem::numGlyphs() const {
    return m_button->numGlyphs();
}
void TSpeedItem::setLeft(int left) {
    m_button->move(left, m_button->y());
    if (m_bar)
        m_bar->placeButton(this);
}
int TSpeedItem::left() const {
    return m_button->x();
}
void TSpeedItem::setTop(int top) {
    m_button->move(m_button->x(), top);
    if (m_bar)
        m_bar->placeButton(this);
}
int TSpeedItem::top() const {
    return m_button->y();
}
void TSpeedItem::setDown(bool down) {
    m_button->setDown(down);
}
bool TSpeedItem::isDown() const {
    return m_button->isDown();
}
void TSpeedItem::setGroupIndex(int groupIndex) {
    m_button->setGroupIndex(groupIndex);
}
int TSpeedItem::groupIndex() const {
    return m_button->groupIndex();
}
void TSpeedItem::setAllowAllUp(bool allowAllUp) {
    m_button->setAllowAllUp(allowAllUp);
}
bool TSpeedItem::allowAllUp() const {
    return m_button->allowAllUp();
}
void TSpeedItem::setSpacing(int spacing) {
    m_button->setSpacing(spacing);
}
int TSpeedItem::spacing() const {
    return m_button->spacing();
}
void TSpeedItem::setMargin(int margin) {
    m_button->setMargin(margin);
}
int TSpeedItem::margin() const {
    return m_button->margin();
}
void TSpeedItem::setGlyphLayout(TButtonLayout layout) {
    m_button->setGlyphLayout(layout);
}
TButtonLayout TSpeedItem::glyphLayout() const {
    return m_button->glyphLayout();
}
