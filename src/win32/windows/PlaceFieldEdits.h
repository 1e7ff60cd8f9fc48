#pragma once

#include "document/CountryPlaces.h"
#include "document/PlaceFields.h"

#include <windows.h>

#include <array>

// The ten place fields' EDIT controls as the document layer sees them: texts as Windows-1252
// bytes, shown and hidden by the country view.
class PlaceFieldEdits : public document::PlaceFields {
public:
    std::array<HWND, document::kFieldCount> edits{};

    std::string fieldText(int field) const override;
    void setFieldText(int field, const std::string& text) override;
    void setFieldVisible(int field, bool visible) override;
};
