#include "win32/windows/MainWin.h"

#include "core/ProgramDirectory.h"
#include "core/WideText.h"
#include "document/TemplateFile.h"
#include "ui/FontListFilter.h"
#include "ui/MainWindowDesign.h"
#include "win32/controls/commandbar/SpeedBar.h"
#include "win32/controls/commandbar/SpeedButton.h"
#include "win32/controls/drawing/Tooltip.h"
#include "win32/platform/ChildWindow.h"
#include "win32/platform/Dpi.h"
#include "win32/platform/FileDialog.h"
#include "win32/platform/FormFrame.h"
#include "win32/platform/ResourceNames.h"
#include "win32/platform/SystemColors.h"
#include "win32/platform/Text1252.h"
#include "win32/windows/ControlIds.h"
#include "win32/windows/DesignSpeedButton.h"
#include "win32/windows/PlaceEditFilter.h"

#include <stdexcept>
#include <string_view>

namespace design = ui::mainwindow;

namespace {

constexpr const wchar_t* kClassName = L"TForm1";
// A single fixed border; in the title bar the system menu and the minimise button. The window
// paints its background under its children too: a group box draws only its frame and caption.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The control ID of each design name (the command items' and fields' by their number).
int controlId(std::string_view name) {
    struct Named {
        std::string_view name;
        int id;
    };
    static constexpr Named kIds[] = {
        {"Label1", win32::ids::Label1},
        {"Label2", win32::ids::Label2},
        {"SpeedButton1", win32::ids::SpeedButton1},
        {"GroupBox1", win32::ids::GroupBox1},
        {"GroupBox3", win32::ids::GroupBox3},
        {"GroupBox4", win32::ids::GroupBox4},
        {"GroupBox5", win32::ids::GroupBox5},
        {"ListBox1", win32::ids::ListBox1},
        {"SpeedBar1", win32::ids::SpeedBar1},
        {"FontComboBox1", win32::ids::FontComboBox1},
        {"ColorComboBox1", win32::ids::ColorComboBox1},
    };
    for (const Named& named : kIds)
        if (named.name == name)
            return named.id;
    const auto number = [&](std::string_view prefix) {
        return std::stoi(std::string(name.substr(prefix.size())));
    };
    if (name.starts_with("SpeedItem"))
        return win32::ids::speedItem(number("SpeedItem"));
    if (name.starts_with("Edit"))
        return win32::ids::edit(number("Edit") - 1);
    throw std::out_of_range("no control ID for " + std::string(name));
}

const wchar_t* glyphResource(std::string_view glyph) {
    struct Named {
        std::string_view glyph;
        const wchar_t* resource;
    };
    static constexpr Named kGlyphs[] = {
        {"new", RES_NAME(RES_GLYPH_NEW)},   {"open", RES_NAME(RES_GLYPH_OPEN)},
        {"save", RES_NAME(RES_GLYPH_SAVE)}, {"font", RES_NAME(RES_GLYPH_FONT)},
        {"tip", RES_NAME(RES_GLYPH_TIP)},   {"about", RES_NAME(RES_GLYPH_ABOUT)},
    };
    for (const Named& named : kGlyphs)
        if (named.glyph == glyph)
            return named.resource;
    return nullptr;
}

// A control's box in the main window's client area: the design gives it in its parent's (a
// group box, whose children here are the window's own, so that their notifications and colour
// questions reach the window).
ui::Box boxInWindow(const ui::ControlDesign& control) {
    ui::Box box = control.box;
    if (!control.parent.empty()) {
        const ui::Box& parent = design::control(control.parent).box;
        box.left += parent.left;
        box.top += parent.top;
    }
    return box;
}

} // namespace

TForm1::TForm1(HWND owner) {
    const UINT dpi = win32::dpi::forWindow(nullptr);
    registerClass({kClassName, win32::loadProgramIcon(RES_NAME(RES_MAINICON), false, dpi),
                   win32::loadProgramIcon(RES_NAME(RES_MAINICON), true, dpi),
                   win32::systemColorBrush(core::SystemColor::BtnFace)});
    create({kClassName, win32::text1252::toWide(design::kCaption), kStyle, 0,
            win32::centredFrame(design::kClientWidth, design::kClientHeight, kStyle, 0), owner});
    m_layout = win32::DesignLayout(win32::dpi::forWindow(hwnd()));
    createControls();
    for (int index = 0; index < ui::kDisplayTargetCount; ++index) {
        const ui::ControlDesign& control = index == ui::kCountryListTarget    ? design::control("ListBox1")
                                           : index == ui::kCountryLabelTarget ? design::control("Label2")
                                                                              : design::placeField(index);
        m_targetFamily[std::size_t(index)] = std::string(control.font.family);
        m_targetFont[std::size_t(index)] = control.font;
    }
    m_textColor = design::control("ListBox1").font.color;

    const design::GradientCaptionDesign& caption = design::kGradientCaption;
    GradientCaption1 = std::make_unique<win32::controls::GradientCaption>(hwnd(), caption.caption);
    GradientCaption1->startColor = caption.startColor;
    GradientCaption1->gradientSteps = caption.gradientSteps;
}

void TForm1::createControls() {
    Label2 = createChild(design::control("Label2"), L"STATIC", SS_CENTER | SS_NOPREFIX);
    Label1 = createChild(design::control("Label1"), L"STATIC", SS_LEFT | SS_NOPREFIX);

    SpeedButton1 = win32::createDesignSpeedButton(hwnd(), m_layout, design::control("SpeedButton1"),
                                                  win32::ids::SpeedButton1);

    int group = 0;
    for (const ui::ControlDesign& control : design::controls()) {
        switch (control.kind) {
        case ui::ControlKind::GroupBox: {
            // Classic, as every control here (the manifest asks for no visual styles), so its
            // caption takes its colour from WM_CTLCOLORSTATIC; below the fields and the list it
            // frames.
            const HWND box = createChild(control, L"BUTTON", BS_GROUPBOX);
            ::SetWindowPos(box, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            m_groupBoxes.at(std::size_t(group++)) = box;
            break;
        }
        case ui::ControlKind::Edit: {
            // A flat single-line border; reached by the mouse only, never by Tab.
            const HWND edit = createChild(control, L"EDIT", ES_AUTOHSCROLL | WS_BORDER);
            win32::placeedit::refuseOutsideWindows1252(edit);
            m_fields.edits.at(std::size_t(controlId(control.name) - win32::ids::Edit1)) = edit;
            break;
        }
        case ui::ControlKind::ListBox:
            ListBox1 =
                createChild(control, L"LISTBOX",
                            WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                            WS_EX_CLIENTEDGE);
            for (int row = 0; row < document::kCountryCount; ++row) {
                const std::wstring entry = win32::text1252::toWide(document::countryRow(row).listEntry);
                ::SendMessageW(ListBox1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
            }
            break;
        default:
            break;
        }
    }
    createCommandBar();
    applyDpi(m_layout.dpi());
}

HWND TForm1::createChild(const ui::ControlDesign& control, const wchar_t* windowClass, DWORD style,
                         DWORD exStyle) {
    const HWND child =
        win32::createDesignChild(hwnd(), control, controlId(control.name), windowClass, style, exStyle);
    m_layout.add(child, boxInWindow(control), control.font);
    m_designs.emplace_back(child, &control);
    return child;
}

void TForm1::createCommandBar() {
    const ui::ControlDesign& barControl = design::control("SpeedBar1");
    SpeedBar1 = win32::controls::SpeedBar::create(hwnd(), win32::ids::SpeedBar1);
    m_layout.add(SpeedBar1, barControl.box, barControl.font);
    for (const design::SpeedItemDesign& item : design::speedItems()) {
        win32::controls::SpeedButtonSpec params;
        params.id = controlId(item.control.name);
        params.caption = item.control.caption;
        params.showCaption = false;
        params.hint = item.control.hint;
        params.glyph = glyphResource(item.glyph);
        params.groupIndex = item.groupIndex;
        params.allowAllUp = item.allowAllUp;
        params.enabled = item.control.enabled;
        const HWND button = win32::controls::SpeedButton::create(SpeedBar1, params);
        m_layout.add(button, item.control.box, item.control.font);
        if (item.control.name == "SpeedItem2")
            SpeedItem2 = button;
        if (item.control.name == "SpeedItem6")
            SpeedItem6 = button;
    }

    const ui::ControlDesign& fontPicker = design::control("FontComboBox1");
    FontComboBox1 = std::make_unique<win32::controls::FontPicker>(
        SpeedBar1, win32::ids::FontComboBox1, design::kFontPickerTrueTypeOnly ? ui::foTrueTypeOnly : 0u);
    FontComboBox1->OnChange = [this] {
        FontComboBox1Change();
    };
    m_layout.add(FontComboBox1->hwnd(), fontPicker.box, fontPicker.font);
    win32::controls::addTooltip(FontComboBox1->hwnd(), fontPicker.hint);

    const ui::ControlDesign& colorPicker = design::control("ColorComboBox1");
    ColorComboBox1 = std::make_unique<win32::controls::ColorPicker>(SpeedBar1, win32::ids::ColorComboBox1);
    ColorComboBox1->OnChange = [this] {
        ColorComboBox1Change();
    };
    m_layout.add(ColorComboBox1->hwnd(), colorPicker.box, colorPicker.font);
    win32::controls::addTooltip(ColorComboBox1->hwnd(), colorPicker.hint);
}

void TForm1::applyDpi(UINT dpi) {
    m_layout.apply(dpi);
    ::SendMessageW(ListBox1, LB_SETITEMHEIGHT, 0, win32::dpi::scale(design::kListItemHeight, dpi));
}

void TForm1::FormCreate() {
    m_preferences.restore();
}

void TForm1::FormDestroy() {
    m_preferences.save();
}

void TForm1::show() {
    ::ShowWindow(hwnd(), SW_SHOW);
    ::UpdateWindow(hwnd());
}

// --- Handlers -----------------------------------------------------------------------------

void TForm1::SpeedItem5Click() {
    m_steps.newDocument();
}

void TForm1::SpeedItem1Click() {
    m_steps.open();
}

void TForm1::openFile(const std::string& path) {
    m_steps.openFile(path);
}

void TForm1::SpeedItem2Click() {
    m_steps.save();
}

void TForm1::setSecondaryWindows(std::function<void()> showTip, std::function<void()> showAbout) {
    m_showTip = std::move(showTip);
    m_showAbout = std::move(showAbout);
}

void TForm1::SpeedItem3Click() {
    if (m_showTip)
        m_showTip();
}

void TForm1::SpeedItem4Click() {
    if (m_showAbout)
        m_showAbout();
}

void TForm1::SpeedItem6Click() {
    m_preferences.applyBold();
}

void TForm1::FontComboBox1Change() {
    m_preferences.applyFontName();
}

void TForm1::ColorComboBox1Change() {
    m_preferences.applyColor();
}

void TForm1::ListBox1Click() {
    m_steps.showSelectedCountry();
}

void TForm1::SpeedButton1Click() {
    m_steps.applyChanges();
}

void TForm1::onCommand(int id, int code) {
    if (id == win32::ids::ListBox1) {
        // Only the user's changes: a selection made by the program sends no notification.
        if (code == LBN_SELCHANGE)
            ListBox1Click();
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (id == win32::ids::speedItem(5))
        SpeedItem5Click();
    else if (id == win32::ids::speedItem(1))
        SpeedItem1Click();
    else if (id == win32::ids::speedItem(2))
        SpeedItem2Click();
    else if (id == win32::ids::speedItem(6))
        SpeedItem6Click();
    else if (id == win32::ids::speedItem(3))
        SpeedItem3Click();
    else if (id == win32::ids::speedItem(4))
        SpeedItem4Click();
    else if (id == win32::ids::SpeedButton1)
        SpeedButton1Click();
}

// Group box captions in their design colours; labels on the button face; fields and the list
// on the window colour, also while disabled.
LRESULT TForm1::controlColors(HDC dc, HWND control) {
    const ui::ControlDesign* controlDesign = nullptr;
    for (const auto& [child, childDesign] : m_designs)
        if (child == control)
            controlDesign = childDesign;
    const bool field = controlDesign && (controlDesign->kind == ui::ControlKind::Edit ||
                                         controlDesign->kind == ui::ControlKind::ListBox);
    const core::SystemColor background = field ? core::SystemColor::Window : core::SystemColor::BtnFace;
    ::SetTextColor(dc, win32::resolveColor(field           ? m_textColor
                                           : controlDesign ? controlDesign->font.color
                                                           : core::clWindowText));
    ::SetBkColor(dc, win32::resolveColor(core::systemColorValue(background)));
    return reinterpret_cast<LRESULT>(win32::systemColorBrush(background));
}

LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return controlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_FONTCHANGE:
        // Fonts installed or removed: the font picker lists them anew.
        FontComboBox1->refresh();
        return 0;
    case WM_CLOSE:
        // Closing the main window ends the program; the windows go in the shut-down, in
        // reverse order of their creation.
        ::PostQuitMessage(0);
        return 0;
    case WM_SYSCOMMAND:
        // Minimising is the application window's: it hides all the program's windows with it.
        if ((wParam & 0xFFF0) == SC_MINIMIZE)
            if (const HWND owner = ::GetWindow(hwnd(), GW_OWNER)) {
                ::ShowWindow(owner, SW_MINIMIZE);
                return 0;
            }
        return defaultHandling(message, wParam, lParam);
    case WM_SHOWWINDOW:
        // Hidden and shown again with the application window, and the Tip of the Day window,
        // owned by this one, with it.
        if (lParam == SW_PARENTCLOSING || lParam == SW_PARENTOPENING) {
            const LRESULT result = defaultHandling(message, wParam, lParam);
            ::ShowOwnedPopups(hwnd(), BOOL(wParam));
            return result;
        }
        return defaultHandling(message, wParam, lParam);
    case WM_DPICHANGED:
        win32::followDpiChange(hwnd(), design::kClientWidth, design::kClientHeight, wParam, lParam);
        applyDpi(HIWORD(wParam));
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

// --- The view the shared steps work through -----------------------------------------------

document::PlaceFields& TForm1::placeFields() {
    return m_fields;
}

void TForm1::enablePlaceFields() {
    for (HWND edit : m_fields.edits)
        ::EnableWindow(edit, TRUE);
}

void TForm1::setPathLabel(const std::string& path) {
    ::SetWindowTextW(Label1, core::win32::widen(path).c_str());
}

void TForm1::setCountryLabel(const std::string& caption) {
    win32::text1252::setWindowText(Label2, caption);
}

std::string TForm1::countryLabel() const {
    return win32::text1252::windowText(Label2);
}

void TForm1::enableCountryLabel() {
    ::EnableWindow(Label2, TRUE);
}

void TForm1::enableCountryList() {
    ::EnableWindow(ListBox1, TRUE);
}

void TForm1::selectFirstCountry() {
    ::SendMessageW(ListBox1, LB_SETCURSEL, 0, 0);
}

std::optional<int> TForm1::selectedCountry() const {
    const LRESULT row = ::SendMessageW(ListBox1, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR)
        return std::nullopt;
    return int(row);
}

void TForm1::enableSave() {
    ::EnableWindow(SpeedItem2, TRUE);
}

std::optional<std::string> TForm1::chooseFile(const ui::FileDialogRequest& request) {
    return win32::runFileDialog(hwnd(), request);
}

std::string TForm1::templatePath() const {
    return document::templatePath(core::programDirectory());
}

// --- The display preferences' view --------------------------------------------------------

void TForm1::setFontPickerName(const std::string& name) {
    FontComboBox1->setFontName(win32::text1252::toWide(name));
}

// A family that Windows-1252 cannot name is kept as none.
std::string TForm1::fontPickerName() const {
    return win32::text1252::fromWide(FontComboBox1->fontName()).value_or(std::string());
}

void TForm1::setBoldToggleDown(bool down) {
    win32::controls::SpeedButton::from(SpeedItem6)->setDown(down);
}

bool TForm1::boldToggleDown() const {
    return win32::controls::SpeedButton::from(SpeedItem6)->isDown();
}

void TForm1::setColorPickerValue(core::TColor color) {
    ColorComboBox1->setColorValue(color);
}

core::TColor TForm1::colorPickerValue() const {
    return ColorComboBox1->colorValue();
}

HWND TForm1::target(int index) const {
    if (index == ui::kCountryListTarget)
        return ListBox1;
    if (index == ui::kCountryLabelTarget)
        return Label2;
    return m_fields.edits.at(std::size_t(index));
}

void TForm1::giveTargetFont(int index) {
    ui::FontDesign& font = m_targetFont.at(std::size_t(index));
    font.family = m_targetFamily.at(std::size_t(index));
    m_layout.setFont(target(index), font);
    // A new font gives the list rows of that font's height: the design's stays.
    if (index == ui::kCountryListTarget)
        ::SendMessageW(ListBox1, LB_SETITEMHEIGHT, 0,
                       win32::dpi::scale(design::kListItemHeight, m_layout.dpi()));
}

void TForm1::setTargetFontName(int index, const std::string& name) {
    m_targetFamily.at(std::size_t(index)) = name;
    giveTargetFont(index);
}

// The whole style set becomes {bold} or {}.
void TForm1::setTargetBold(int index, bool bold) {
    m_targetFont.at(std::size_t(index)).style = bold ? ui::fsBold : ui::fsRegular;
    giveTargetFont(index);
}

// The fields and the list share one text colour: the preferences give all of them the same.
void TForm1::setTargetColor(int index, core::TColor color) {
    m_textColor = color;
    ::InvalidateRect(target(index), nullptr, TRUE);
}
