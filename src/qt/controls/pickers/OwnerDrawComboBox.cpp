#include "qt/controls/pickers/OwnerDrawComboBox.h"

#include "qt/controls/pickers/OwnerDrawItemDelegate.h"
#include "qt/platform/SystemColors.h"
#include "ui/PickerEntryLayout.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

TOwnerDrawComboBox::TOwnerDrawComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_delegate(new TOwnerDrawItemDelegate(this)) {
    setEditable(false);
    setItemDelegate(m_delegate);
    // activated() is the one user-only signal: it comes for mouse, keyboard and
    // wheel choices, never for changes made by code.
    connect(this, &QComboBox::activated, this, &TOwnerDrawComboBox::userSelected);
    m_itemHeight = TOwnerDrawComboBox::minimumItemHeight();
}

TOwnerDrawComboBox::~TOwnerDrawComboBox() = default;

void TOwnerDrawComboBox::setComboStyle(TOwnerDrawComboStyle style) {
    if (style == m_style)
        return;
    m_style = style;
    recreateWindow();
}

void TOwnerDrawComboBox::createWindow() {
    if (m_windowCreated)
        return;
    m_windowCreated = true;
    createWnd();
}

void TOwnerDrawComboBox::recreateWindow() {
    if (!m_windowCreated)
        return;
    destroyWnd();
    m_windowCreated = false;
    createWindow();
}

void TOwnerDrawComboBox::createWnd() {
    setEditable(editableStyle());
    if (QLineEdit* edit = lineEdit())
        connect(edit, &QLineEdit::textEdited, this, [this] { changeStep(); });
    resetItemHeight();
}

void TOwnerDrawComboBox::destroyWnd() {
    m_text = currentText();
    clear();
}

int TOwnerDrawComboBox::minimumItemHeight() const {
    return ui::pickerMinimumItemHeight(QFontMetrics(font()).height());
}

void TOwnerDrawComboBox::resetItemHeight() {
    m_itemHeight = minimumItemHeight();
    if (m_windowCreated)
        view()->doItemsLayout();
}

QString TOwnerDrawComboBox::text() const {
    return m_windowCreated ? currentText() : m_text;
}

void TOwnerDrawComboBox::setText(const QString& text) {
    if (!m_windowCreated) {
        m_text = text;
        return;
    }
    if (editableStyle()) {
        setCurrentIndex(-1);
        setEditText(text);
    } else {
        // A pick-only field can only show an entry: the matching one, or none.
        setCurrentIndex(text.isEmpty() ? -1 : findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
}

void TOwnerDrawComboBox::setHint(const QString& hint) {
    setToolTip(hint.section(QLatin1Char('|'), 0, 0));
}

void TOwnerDrawComboBox::change() {
    if (!changeSuppressed())
        emit OnChange(this);
}

void TOwnerDrawComboBox::clickStep() {
    emit OnClick(this);
}

void TOwnerDrawComboBox::changeStep() {
    change();
}

void TOwnerDrawComboBox::userSelected(int) {
    // The text already shows the chosen entry.
    clickStep();
    changeStep();
}

void TOwnerDrawComboBox::drawEntry(QPainter* painter, const QRect& rect, int index, bool selected,
                                   bool focused) const {
    painter->save();
    const QColor brush =
        selected ? platform::systemColor(core::SystemColor::Highlight) : palette().color(QPalette::Base);
    const QColor pen =
        selected ? platform::systemColor(core::SystemColor::HighlightText) : palette().color(QPalette::Text);
    painter->setFont(font());
    painter->setBrush(brush);
    painter->setPen(pen);
    if (index < 0)
        painter->fillRect(rect, brush);
    else
        drawItem(painter, index, rect, selected);
    if (focused) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect;
        option.backgroundColor = brush;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, painter, this);
    }
    painter->restore();
}

void TOwnerDrawComboBox::showEvent(QShowEvent* event) {
    createWindow();
    QComboBox::showEvent(event);
}

void TOwnerDrawComboBox::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    if (m_windowCreated)
        recreateWindow();
    else
        resetItemHeight();
}

void TOwnerDrawComboBox::paintEvent(QPaintEvent* event) {
    if (editableStyle()) {
        QComboBox::paintEvent(event);
        return;
    }
    // The closed field shows the current entry as the list draws it.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    drawEntry(&painter, field, currentIndex(), hasFocus(), hasFocus());
}
