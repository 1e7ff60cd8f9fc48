#include "qt/controls/pickers/ColorComboBox.h"

#include "qt/platform/SystemColors.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>

#include <array>

using core::TColor;

namespace {

struct NamedColor {
    TColor value;
    const char* name;
};

constexpr std::array<NamedColor, TColorComboBox::kColorCount> kStandardColors{{
    {core::clBlack, "Black"},
    {core::clMaroon, "Maroon"},
    {core::clGreen, "Green"},
    {core::clOlive, "Olive"},
    {core::clNavy, "Navy"},
    {core::clPurple, "Purple"},
    {core::clTeal, "Teal"},
    {core::clGray, "Gray"},
    {core::clSilver, "Silver"},
    {core::clRed, "Red"},
    {core::clLime, "Lime"},
    {core::clYellow, "Yellow"},
    {core::clBlue, "Blue"},
    {core::clFuchsia, "Fuchsia"},
    {core::clAqua, "Aqua"},
    {core::clWhite, "White"},
}};

using core::SystemColor;
using core::systemColorValue;

// The identifiers of the system colours, without their "cl".
constexpr std::array<NamedColor, 27> kSystemColors{{
    {systemColorValue(SystemColor::ScrollBar), "ScrollBar"},
    {systemColorValue(SystemColor::Background), "Background"},
    {systemColorValue(SystemColor::ActiveCaption), "ActiveCaption"},
    {systemColorValue(SystemColor::InactiveCaption), "InactiveCaption"},
    {systemColorValue(SystemColor::Menu), "Menu"},
    {systemColorValue(SystemColor::Window), "Window"},
    {systemColorValue(SystemColor::WindowFrame), "WindowFrame"},
    {systemColorValue(SystemColor::MenuText), "MenuText"},
    {systemColorValue(SystemColor::WindowText), "WindowText"},
    {systemColorValue(SystemColor::CaptionText), "CaptionText"},
    {systemColorValue(SystemColor::ActiveBorder), "ActiveBorder"},
    {systemColorValue(SystemColor::InactiveBorder), "InactiveBorder"},
    {systemColorValue(SystemColor::AppWorkSpace), "AppWorkSpace"},
    {systemColorValue(SystemColor::Highlight), "Highlight"},
    {systemColorValue(SystemColor::HighlightText), "HighlightText"},
    {systemColorValue(SystemColor::BtnFace), "BtnFace"},
    {systemColorValue(SystemColor::BtnShadow), "BtnShadow"},
    {systemColorValue(SystemColor::GrayText), "GrayText"},
    {systemColorValue(SystemColor::BtnText), "BtnText"},
    {systemColorValue(SystemColor::InactiveCaptionText), "InactiveCaptionText"},
    {systemColorValue(SystemColor::BtnHighlight), "BtnHighlight"},
    {systemColorValue(SystemColor::DkShadow3D), "3DDkShadow"},
    {systemColorValue(SystemColor::Light3D), "3DLight"},
    {systemColorValue(SystemColor::InfoText), "InfoText"},
    {systemColorValue(SystemColor::InfoBk), "InfoBk"},
    {systemColorValue(SystemColor::GradientActiveCaption), "GradientActiveCaption"},
    {systemColorValue(SystemColor::GradientInactiveCaption), "GradientInactiveCaption"},
}};

constexpr int kSwatchInset = 2;
constexpr int kSwatchWidth = 22;
constexpr int kNameLeft = 28;
constexpr int kBorderThreshold = 192;

} // namespace

TColorComboBox::TColorComboBox(QWidget* parent)
    : TOwnerDrawComboBox(parent) {}

TColor TColorComboBox::standardColor(int index) {
    return kStandardColors.at(std::size_t(index)).value;
}

QString TColorComboBox::colorName(TColor color) {
    for (const NamedColor& named : kStandardColors)
        if (named.value == color)
            return QString::fromLatin1(named.name);
    for (const NamedColor& named : kSystemColors)
        if (named.value == color)
            return QString::fromLatin1(named.name);
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0'));
}

QColor TColorComboBox::swatchBorder(TColor color, bool selected) {
    const TColor plain = platform::toRgb(color);
    if (core::redOf(plain) > kBorderThreshold || core::greenOf(plain) > kBorderThreshold ||
        core::blueOf(plain) > kBorderThreshold)
        return Qt::black;
    return selected ? QColor(Qt::white) : platform::resolveColor(plain);
}

void TColorComboBox::setColorNames(const QStringList& names) {
    if (windowCreated())
        m_color = colorValue();
    m_colorNames = names;
    recreateWindow();
}

void TColorComboBox::setDisplayNames(bool displayNames) {
    if (displayNames == m_displayNames)
        return;
    m_displayNames = displayNames;
    update();
    view()->viewport()->update();
}

void TColorComboBox::populateList() {
    clear();
    for (int i = 0; i < kColorCount; ++i) {
        const QString custom = i < m_colorNames.size() ? m_colorNames.at(i) : QString();
        const QString name =
            custom.isEmpty() ? QString::fromLatin1(kStandardColors[std::size_t(i)].name) : custom;
        addItem(name, QVariant::fromValue<uint>(kStandardColors[std::size_t(i)].value));
    }
    // Adding to an empty list selects the first entry; nothing is selected yet.
    setCurrentIndex(-1);
}

void TColorComboBox::createWnd() {
    TOwnerDrawComboBox::createWnd();
    populateList();
    assignColorValue(m_color);
}

TColor TColorComboBox::entryColor(int index) const {
    return itemData(index, ColorRole).value<uint>();
}

bool TColorComboBox::entrySelected() const {
    const int index = currentIndex();
    if (index < 0)
        return false;
    // In a typed field the selection stands only while the text still names it.
    return comboStyle() == csDropDownList || currentText() == itemText(index);
}

TColor TColorComboBox::colorValue() const {
    if (comboStyle() == csDropDownList || !windowCreated() || entrySelected())
        return m_color;
    const QString typed = currentText();
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(typed, Qt::CaseInsensitive) == 0)
            return entryColor(i);
    return parseInteger(typed).value_or(m_color);
}

void TColorComboBox::setColorValue(TColor color) {
    if (isLoading() && !windowCreated()) {
        m_color = color;
        return;
    }
    createWindow();
    assignColorValue(color);
}

void TColorComboBox::assignColorValue(TColor color) {
    if (entrySelected() && color == m_color)
        return;
    m_color = color;
    for (int i = 0; i < count(); ++i) {
        if (entryColor(i) == color) {
            if (currentIndex() != i)
                setCurrentIndex(i);
            change();
            return;
        }
    }
    setCurrentIndex(-1);
    if (comboStyle() != csDropDownList)
        setEditText(colorName(color));
    change();
}

void TColorComboBox::clickStep() {
    if (currentIndex() >= 0)
        assignColorValue(entryColor(currentIndex()));
    TOwnerDrawComboBox::clickStep();
}

void TColorComboBox::changeStep() {
    const TColor color = colorValue();
    if (color == m_color)
        return;
    m_color = color;
    change();
}

std::optional<TColor> TColorComboBox::parseInteger(const QString& text) {
    // Decimal with an optional sign, or hexadecimal after "$" or "0x".
    QString digits = text;
    int base = 10;
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.startsWith(QLatin1Char('-'));
        digits.remove(0, 1);
    }
    if (digits.startsWith(QLatin1Char('$'))) {
        digits.remove(0, 1);
        base = 16;
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        digits.remove(0, 2);
        base = 16;
    }
    if (digits.isEmpty() || digits.front().isSpace() || digits.front() == QLatin1Char('-') ||
        digits.front() == QLatin1Char('+'))
        return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    // A 32-bit signed number in decimal; hexadecimal may spell all 32 bits.
    const qulonglong limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (magnitude > limit)
        return std::nullopt;
    const auto value = static_cast<std::uint32_t>(magnitude);
    return negative ? TColor(0u - value) : TColor(value);
}

void TColorComboBox::drawItem(QPainter* painter, int index, const QRect& rect, bool selected) const {
    const TColor color = entryColor(index);
    const QColor background = painter->brush().color();
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width();  // exclusive
    const int bottom = rect.top() + rect.height(); // exclusive
    const int swatchRight = m_displayNames ? left + kSwatchInset + kSwatchWidth : right - 3;
    const QRect swatch(QPoint(left + kSwatchInset, top + kSwatchInset), QPoint(swatchRight - 1, bottom - 3));

    painter->fillRect(rect, background);
    if (swatch.width() > 0 && swatch.height() > 0) {
        painter->fillRect(swatch, swatchBorder(color, selected));
        painter->fillRect(swatch.adjusted(1, 1, -1, -1), platform::resolveColor(color));
    }
    if (m_displayNames) {
        const QRect nameRect(QPoint(left + kNameLeft, top), QPoint(right - 1, bottom - 1));
        painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, itemText(index));
    }
}
