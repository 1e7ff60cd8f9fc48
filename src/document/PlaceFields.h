#pragma once

#include <string>

namespace document {

// The ten place fields Edit1..Edit10 (field 0..9) as the country view and Apply
// Changes see them: texts as bytes (Windows-1252) and a visible flag.
class PlaceFields {
public:
    virtual ~PlaceFields() = default;
    virtual std::string fieldText(int field) const = 0;
    virtual void setFieldText(int field, const std::string& text) = 0;
    virtual void setFieldVisible(int field, bool visible) = 0;
};

} // namespace document
