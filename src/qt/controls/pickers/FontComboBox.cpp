#include "qt/controls/pickers/FontComboBox.h"

#include "core/Exception.h"
#include "qt/platform/FontChangeWatcher.h"
#include "qt/platform/FontEnumeration.h"
#include "qt/platform/XpmPixmap.h"
#include "ui/PickerEntryLayout.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>
#include <QSet>

#include <algorithm>

namespace {

QPixmap loadGlyph(const TFontComboBox::ResourceLoader& loader, const QString& name) {
    QPixmap glyph = loader(name);
    if (glyph.isNull())
        throw core::EResNotFound("Resource " + name.toStdString() + " not found");
    // The colour of the bottom-left pixel is the background and draws transparent.
    const QColor key = glyph.toImage().pixelColor(0, glyph.height() - 1);
    glyph.setMask(glyph.createMaskFromColor(key, Qt::MaskInColor));
    return glyph;
}

// What the enumeration of a Windows desktop would report of the family: no family here has the
// OEM character set, "ANSI" means covering Latin-1 and not being a symbol font.
ui::FontFamilyFacts factsOf(const platform::FontFamily& family) {
    ui::FontFamilyFacts facts;
    facts.fontType = family.trueType   ? ui::TrueTypeFontType
                     : family.scalable ? ui::DeviceFontType
                                       : ui::RasterFontType;
    facts.charset = family.symbolOnly ? ui::kSymbolCharset
                    : family.latin1   ? ui::kAnsiCharset
                                      : ui::kDefaultCharset;
    facts.pitchAndFamily = family.fixedPitch ? ui::kFixedPitch : 0;
    return facts;
}

} // namespace

QPixmap TFontComboBox::loadResource(const QString& name) {
    return platform::xpmPixmap(QStringLiteral(":/glyphs/") + name);
}

TFontComboBox::TFontComboBox(QWidget* parent)
    : TFontComboBox(parent, &TFontComboBox::loadResource) {}

TFontComboBox::TFontComboBox(QWidget* parent, const ResourceLoader& loader)
    : TOwnerDrawComboBox(parent)
    , m_trueTypeGlyph(loadGlyph(loader, QStringLiteral("TRUETYPE_FNT")))
    , m_deviceGlyph(loadGlyph(loader, QStringLiteral("DEVICE_FNT"))) {
    resetItemHeight();
    connect(platform::FontChangeWatcher::instance(), &platform::FontChangeWatcher::fontsChanged, this,
            &TFontComboBox::refresh);
}

TFontComboBox::~TFontComboBox() = default;

int TFontComboBox::minimumItemHeight() const {
    return ui::fontPickerMinimumItemHeight(QFontMetrics(font()).height(), m_trueTypeGlyph.height());
}

QString TFontComboBox::fontName() const {
    return text().left(kMaxFontNameLength);
}

void TFontComboBox::setFontName(const QString& name) {
    if (name == fontName())
        return;
    if (!isLoading())
        createWindow();
    if (!windowCreated()) {
        setText(name);
        return;
    }
    selectFontName(name);
}

void TFontComboBox::selectFontName(const QString& name) {
    const int index = findFamily(name);
    setCurrentIndex(index);
    if (index < 0 && comboStyle() != csDropDownList)
        setEditText(name);
    change();
}

int TFontComboBox::findFamily(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TFontComboBox::setDevice(TFontDevice device) {
    if (device == m_device)
        return;
    m_device = device;
    refresh();
}

void TFontComboBox::setOptions(TFontListOptions options) {
    if (options == m_options)
        return;
    m_options = options;
    refresh();
}

void TFontComboBox::setTrueTypeOnly(bool trueTypeOnly) {
    TFontListOptions options = m_options;
    setOptions(options.setFlag(foTrueTypeOnly, trueTypeOnly));
}

void TFontComboBox::setUseFonts(bool useFonts) {
    if (useFonts == m_useFonts)
        return;
    m_useFonts = useFonts;
    update();
    view()->viewport()->update();
}

void TFontComboBox::populateList() {
    if (!windowCreated())
        return;
    // Every device lists the screen's families: printing goes through the same
    // fontconfig fonts, a desktop printer has none of its own.
    struct Entry {
        QString name;
        QString key;
        int type;
    };
    std::vector<Entry> entries;
    QSet<QString> seen;
    for (const platform::FontFamily& family : platform::enumerateFontFamilies()) {
        // A longer name could not be given back through FontName.
        if (family.name.size() > kMaxFontNameLength)
            continue;
        const ui::FontFamilyFacts facts = factsOf(family);
        const int type = int(ui::fontEntryType(facts));
        const QString key = family.name.toCaseFolded();
        if (seen.contains(key) || !ui::passesFontFilter(facts, unsigned(m_options.toInt())))
            continue;
        seen.insert(key);
        entries.push_back({family.name, key, type});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return QString::localeAwareCompare(a.key, b.key) < 0;
    });

    setUpdatesEnabled(false);
    clear();
    if (QLineEdit* edit = lineEdit())
        edit->clear();
    for (const Entry& entry : entries)
        addItem(entry.name, entry.type);
    setCurrentIndex(-1);
    setUpdatesEnabled(true);
}

void TFontComboBox::createWnd() {
    const QString remembered = savedText().left(kMaxFontNameLength);
    TOwnerDrawComboBox::createWnd();
    m_updating = true;
    populateList();
    setText(QString());
    setFontName(remembered);
    m_updating = false;
    if (fontName().compare(remembered, Qt::CaseInsensitive) != 0)
        change();
}

void TFontComboBox::refresh() {
    if (!windowCreated())
        return;
    m_updating = true;
    const QString remembered = fontName();
    populateList();
    setFontName(remembered);
    m_updating = false;
    if (fontName() != remembered)
        change();
}

void TFontComboBox::clickStep() {
    TOwnerDrawComboBox::clickStep();
    change();
}

void TFontComboBox::changeStep() {
    if (comboStyle() == csDropDownList)
        return;
    const int index = findFamily(text());
    if (index >= 0 && index != currentIndex()) {
        setCurrentIndex(index);
        change();
    }
}

void TFontComboBox::drawItem(QPainter* painter, int index, const QRect& rect, bool) const {
    painter->fillRect(rect, painter->brush());
    const int type = itemData(index, FontTypeRole).toInt();
    const ui::FontGlyph kind = ui::fontEntryGlyph(unsigned(type));
    const QPixmap* glyph = kind == ui::FontGlyph::TrueType ? &m_trueTypeGlyph
                           : kind == ui::FontGlyph::Device ? &m_deviceGlyph
                                                           : nullptr;
    const ui::FontEntryLayout layout =
        ui::fontEntryLayout({rect.left(), rect.top(), rect.width(), rect.height()},
                            glyph ? glyph->width() : 0, glyph ? glyph->height() : 0);
    if (glyph)
        painter->drawPixmap(layout.glyphLeft, layout.glyphTop, *glyph);
    const QString name = itemText(index);
    if (m_useFonts && (type & WritableFontFlag)) {
        QFont own = painter->font();
        own.setFamily(name);
        painter->setFont(own);
    }
    const QRect textRect(QPoint(layout.textLeft, rect.top()), rect.bottomRight());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, name);
}
