#include "qt/windows/PlaceFieldEdits.h"

#include "qt/platform/Text8Bit.h"

#include <QLineEdit>

PlaceFieldEdits::PlaceFieldEdits(const std::array<QLineEdit*, document::kFieldCount>& edits)
    : m_edits(edits) {}

std::string PlaceFieldEdits::fieldText(int field) const {
    return platform::toWindows1252(m_edits.at(std::size_t(field))->text());
}

void PlaceFieldEdits::setFieldText(int field, const std::string& text) {
    QLineEdit* edit = m_edits.at(std::size_t(field));
    edit->setText(platform::fromWindows1252(text));
    // A text wider than the field shows its beginning.
    edit->setCursorPosition(0);
}

void PlaceFieldEdits::setFieldVisible(int field, bool visible) {
    QLineEdit* edit = m_edits.at(std::size_t(field));
    // Showing or hiding a field asks the display where the pointer is (for the hover state):
    // only a field whose visibility changes is touched.
    if (edit->isHidden() == visible)
        edit->setVisible(visible);
}
