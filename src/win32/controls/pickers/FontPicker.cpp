#include "win32/controls/pickers/FontPicker.h"

#include "ui/FontListFilter.h"
#include "ui/PickerEntryLayout.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/ResourceNames.h"

#include <vector>

namespace win32::controls {

namespace {

struct Family {
    std::wstring name;
    unsigned type;
};

bool sameName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), int(a.size()), b.c_str(),
                            int(b.size())) == CSTR_EQUAL;
}

struct Enumeration {
    unsigned options;
    std::vector<Family> families;
};

int CALLBACK onFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType, LPARAM context) {
    auto& e = *reinterpret_cast<Enumeration*>(context);
    const std::wstring name = font->lfFaceName;
    const ui::FontFamilyFacts facts{unsigned(fontType), font->lfCharSet, font->lfPitchAndFamily};
    // A longer name could not be given back through FontName.
    if (name.size() > std::size_t(ui::kMaxFontNameLength) || !ui::passesFontFilter(facts, e.options))
        return 1;
    for (const Family& known : e.families)
        if (sameName(known.name, name))
            return 1;
    e.families.push_back({name, ui::fontEntryType(facts)});
    return 1;
}

} // namespace

FontPicker::FontPicker(HWND parent, int id, unsigned options)
    : m_options(options)
    , m_trueTypeGlyph(RES_NAME(RES_GLYPH_TRUETYPE_FNT))
    , m_deviceGlyph(RES_NAME(RES_GLYPH_DEVICE_FNT)) {
    create(parent, id, CBS_SORT);
    populate();
}

void FontPicker::populate() {
    Enumeration e{m_options, {}};
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesW(screen, nullptr, reinterpret_cast<FONTENUMPROCW>(&onFamily),
                        reinterpret_cast<LPARAM>(&e));
    ::ReleaseDC(nullptr, screen);
    ::SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const Family& family : e.families) {
        const auto index =
            ::SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(family.name.c_str()));
        ::SendMessageW(hwnd(), CB_SETITEMDATA, WPARAM(index), LPARAM(family.type));
    }
    ::SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

std::wstring FontPicker::fontName() const {
    const int index = selectedIndex();
    if (index < 0)
        return {};
    const std::wstring name = entryText(index);
    return name.substr(0, std::size_t(ui::kMaxFontNameLength));
}

int FontPicker::findFamily(const std::wstring& name) const {
    const int count = int(::SendMessageW(hwnd(), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const std::wstring entry = entryText(i);
        if (sameName(entry, name))
            return i;
    }
    return -1;
}

void FontPicker::setFontName(const std::wstring& name) {
    if (name == fontName())
        return;
    ::SendMessageW(hwnd(), CB_SETCURSEL, WPARAM(findFamily(name)), 0);
    change();
}

void FontPicker::refresh() {
    const std::wstring remembered = fontName();
    populate();
    ::SendMessageW(hwnd(), CB_SETCURSEL, WPARAM(findFamily(remembered)), 0);
    if (fontName() != remembered)
        change();
}

void FontPicker::userSelected() {
    change();
}

int FontPicker::itemHeight(int fontHeight) const {
    return ui::fontPickerMinimumItemHeight(fontHeight,
                                           dpi::scale(m_trueTypeGlyph.height(), dpi::forWindow(hwnd())));
}

void FontPicker::drawEntry(HDC dc, const RECT& r, int index, bool) const {
    const auto type = unsigned(::SendMessageW(hwnd(), CB_GETITEMDATA, WPARAM(index), 0));
    const ui::FontGlyph kind = ui::fontEntryGlyph(type);
    const UINT d = dpi::forWindow(hwnd());
    const GlyphBitmap* glyph = kind == ui::FontGlyph::TrueType ? &m_trueTypeGlyph
                               : kind == ui::FontGlyph::Device ? &m_deviceGlyph
                                                               : nullptr;
    const ui::FontEntryLayout layout = ui::fontEntryLayout(
        {r.left, r.top, r.right - r.left, r.bottom - r.top}, glyph ? dpi::scale(glyph->width(), d) : 0,
        glyph ? dpi::scale(glyph->height(), d) : 0, int(d));
    if (glyph)
        glyph->draw(dc, layout.glyphLeft, layout.glyphTop, 1, 0, d);
    const std::wstring name = entryText(index);
    RECT text{layout.textLeft, r.top, r.right, r.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(dc, name.c_str(), int(name.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

} // namespace win32::controls
