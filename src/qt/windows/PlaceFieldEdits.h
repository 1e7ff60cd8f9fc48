#pragma once

#include "document/CountryPlaces.h"
#include "document/PlaceFields.h"

#include <array>

class QLineEdit;

// The ten place edits as the document layer sees them: texts as Windows-1252
// bytes, shown and hidden by the country view.
class PlaceFieldEdits : public document::PlaceFields {
public:
    explicit PlaceFieldEdits(const std::array<QLineEdit*, document::kFieldCount>& edits);

    std::string fieldText(int field) const override;
    void setFieldText(int field, const std::string& text) override;
    void setFieldVisible(int field, bool visible) override;

private:
    std::array<QLineEdit*, document::kFieldCount> m_edits;
};
