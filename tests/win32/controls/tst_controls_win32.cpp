// The Windows front end's controls driven as another program would drive them (BM_CLICK,
// BM_GETCHECK, CB_ queries, the accessible objects): run under Wine by the Linux build's tests
// (tst_controls_win32). Plain C++: there is no Qt in the Windows build.

#include "core/Exception.h"
#include "support/PlainChecks.h"
#include "ui/FontListFilter.h"
#include "win32/controls/commandbar/SpeedBar.h"
#include "win32/controls/commandbar/SpeedButton.h"
#include "win32/controls/links/LinkLabel.h"
#include "win32/controls/pickers/ColorPicker.h"
#include "win32/controls/pickers/FontPicker.h"
#include "win32/platform/Window.h"

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <string>
#include <vector>

using namespace win32::controls;

namespace {

using plainchecks::check;

// What the window heard: one entry per BN_CLICKED, with the sender's BM_GETCHECK at that time.
std::vector<std::pair<int, LRESULT>> g_clicks;

class TestForm : public win32::Window {
public:
    TestForm() {
        registerClass({L"VantorelControlsTest"});
        // A message-only window: the test needs no display.
        create({L"VantorelControlsTest", L"test", 0, 0, RECT{0, 0, 400, 200}, HWND_MESSAGE});
    }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            g_clicks.emplace_back(LOWORD(wParam),
                                  ::SendMessageW(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0));
        return defaultHandling(message, wParam, lParam);
    }
};

LONG accessibleRole(HWND hwnd, LONG* state = nullptr) {
    IAccessible* acc = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&acc))))
        return -1;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    VARIANT st{};
    acc->get_accRole(self, &role);
    acc->get_accState(self, &st);
    acc->Release();
    if (state)
        *state = st.lVal;
    return role.lVal;
}

void speedButtons(HWND form) {
    HWND bar = SpeedBar::create(form, 1300);
    SpeedButtonSpec font;
    font.id = 1306;
    font.caption = "Font";
    font.showCaption = false;
    font.hint = "Font|";
    font.groupIndex = 2;
    font.allowAllUp = true;
    HWND toggle = SpeedButton::create(bar, font);
    SpeedButtonSpec save;
    save.id = 1302;
    save.caption = "Save";
    save.enabled = false;
    HWND disabled = SpeedButton::create(bar, save);

    // The bar hands its buttons' clicks to its parent; a toggle's Down is in effect by then.
    ::SendMessageW(toggle, BM_CLICK, 0, 0);
    ::SendMessageW(toggle, BM_CLICK, 0, 0);
    check(g_clicks == std::vector<std::pair<int, LRESULT>>{{1306, BST_CHECKED}, {1306, BST_UNCHECKED}},
          "two clicks latch the toggle and release it, each a click");
    g_clicks.clear();
    // A quick double click is two clicks.
    for (const UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        ::SendMessageW(toggle, press, MK_LBUTTON, MAKELPARAM(2, 2));
        ::SendMessageW(toggle, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    check(g_clicks == std::vector<std::pair<int, LRESULT>>{{1306, BST_CHECKED}, {1306, BST_UNCHECKED}},
          "a double click on the toggle is two clicks");
    g_clicks.clear();
    ::SendMessageW(toggle, BM_SETCHECK, BST_CHECKED, 0);
    check(g_clicks.empty() && ::SendMessageW(toggle, BM_GETCHECK, 0, 0) == BST_CHECKED,
          "Down set from code latches without a click");
    ::SendMessageW(disabled, BM_CLICK, 0, 0);
    ::SendMessageW(disabled, BM_SETCHECK, BST_CHECKED, 0);
    check(g_clicks.empty() && ::SendMessageW(disabled, BM_GETCHECK, 0, 0) == BST_UNCHECKED,
          "a disabled button ignores BM_CLICK; an ungrouped one never stays down");
    wchar_t text[32] = {};
    ::GetWindowTextW(toggle, text, 32);
    check(std::wstring(text) == L"Font", "the window text is the caption");
    LONG state = 0;
    check(accessibleRole(toggle, &state) == ROLE_SYSTEM_CHECKBUTTON && (state & STATE_SYSTEM_CHECKED),
          "the toggle is a checked check button");
    check(accessibleRole(disabled) == ROLE_SYSTEM_PUSHBUTTON, "a plain speed button is a push button");
}

void colorPicker(HWND form) {
    ColorPicker picker(form, 1402);
    int changes = 0;
    picker.OnChange = [&] {
        ++changes;
    };
    HWND combo = picker.hwnd();
    wchar_t name[32] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(name));
    check(::SendMessageW(combo, CB_GETCOUNT, 0, 0) == 16 && std::wstring(name) == L"Red" &&
              ::SendMessageW(combo, CB_GETCURSEL, 0, 0) == 0,
          "sixteen colours by name, Black selected");
    struct Step {
        core::TColor value;
        LRESULT selected;
        int changes;
    };
    const core::TColor grey = core::rgb(64, 64, 64);
    const Step steps[] = {
        {core::clRed, 9, 1}, // a listed colour: selected, one change
        {core::clRed, 9, 1}, // the same again: nothing
        {grey, CB_ERR, 2},   // not listed: nothing selected, a change all the same
        {grey, CB_ERR, 3},   // again: no entry is selected, so again a change
    };
    for (const Step& step : steps) {
        picker.setColorValue(step.value);
        check(::SendMessageW(combo, CB_GETCURSEL, 0, 0) == step.selected && changes == step.changes &&
                  picker.colorValue() == step.value,
              "ColorValue " + std::to_string(step.value) + " gives change " + std::to_string(step.changes));
    }
}

void fontPickerWithoutGlyphs(HWND form) {
    try {
        FontPicker picker(form, 1401, ui::foTrueTypeOnly);
        check(false, "a font picker without its glyph resources is refused");
    } catch (const core::EResNotFound& error) {
        check(std::string(error.what()).find("Resource GLYPH_TRUETYPE_FNT not found") != std::string::npos,
              "the missing glyph is named");
    }
}

void linkLabel(HWND form) {
    LinkLabel link(form, 2012, "http://www.example.com/", "");
    check(link.target() == L"http://www.example.com/", "a link without a target opens its caption");
    LONG state = 0;
    check(accessibleRole(link.hwnd(), &state) == ROLE_SYSTEM_LINK && (state & STATE_SYSTEM_LINKED),
          "the link is a link");
}

} // namespace

int wmain() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    TestForm testForm;
    HWND form = testForm.hwnd();
    speedButtons(form);
    colorPicker(form);
    fontPickerWithoutGlyphs(form);
    linkLabel(form);
    return plainchecks::finish();
}
