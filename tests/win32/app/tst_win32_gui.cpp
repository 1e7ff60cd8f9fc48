// vantorel.exe as a user meets it, under Wine in its virtual desktop: each case starts the
// real program and works it only through control IDs and the system's standard messages,
// as test tools and screen readers do. The document, settings and design layers have tests
// of their own; these check what the Windows front end makes of them.
//
//   tst_win32_gui VANTOREL_EXE TEMPLATE [CASE...]
//
// Paths may be Unix paths (they are read through Wine's drive Z:). VANTOREL_LINK_LOG names
// the file in which the recording xdg-open and xdg-email (first on the PATH) note what they
// were asked to open. Prints a line per failed check and closes with "N passed, N failed".

#include "Checks.h"
#include "Controls.h"
#include "Dialogs.h"
#include "GuiProgram.h"
#include "Registry.h"

#include "Screen.h"

#include "document/CountryPlaces.h"
#include "document/LineEnds.h"
#include "ui/CaptionGeometry.h"
#include "ui/GradientBands.h"
#include "ui/MainWindowDesign.h"
#include "ui/TipList.h"
#include "win32/windows/ControlIds.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;
using namespace wintest;
namespace ids = win32::ids;

namespace {

constexpr const char* kSettingsKey = "Software\\Ludovane9900Vantorel";
constexpr const char* kOptionsKey = "Software\\Ludovane9900Vantorel\\Options";
constexpr const char* kApplicationTitle = "Ludovane3Vantorel";
constexpr const char* kUsage = "usage: vantorel [FILE]";

struct Fixture {
    std::wstring exe;
    fs::path templateFile;
    fs::path scratch; // a folder of this run's own
    fs::path linkLog;
};

// A Unix path as Wine's drive Z: shows it; other paths as they are.
fs::path windowsPath(const std::wstring& path) {
    if (path.empty() || path[0] != L'/')
        return fs::path(path);
    std::wstring out = L"Z:" + path;
    for (wchar_t& c : out)
        if (c == L'/')
            c = L'\\';
    return fs::path(out);
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw Failure("cannot read " + narrow(file.wstring()));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw Failure("cannot write " + narrow(file.wstring()));
}

fs::path freshFolder(const Fixture& fixture, const char* name) {
    const fs::path folder = fixture.scratch / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// A document of 307 lines, each telling its number, the last without a line end.
std::vector<std::string> sampleLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 307; ++i)
        lines.push_back("place line " + std::to_string(i));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n" : "") + lines[i];
    return text;
}

void waitUntilGone(HWND window) {
    for (int i = 0; i < 500 && ::IsWindow(window) && ::IsWindowVisible(window); ++i)
        ::Sleep(10);
    if (::IsWindow(window) && ::IsWindowVisible(window))
        throw Failure("the dialog box stays open");
}

// --- The three windows -----------------------------------------------------------------------

struct WindowCase {
    const wchar_t* className;
    const char* caption;
    int clientWidth;
    int clientHeight;
};

const WindowCase kWindows[] = {
    {L"TForm1", "Vantorel 99/00 V2.5", 617, 281},
    {L"TForm2", "About", 306, 228},
    {L"TForm3", "Tip Of The Day", 367, 183},
};

// Each window once, with its caption, client size and fixed frame, centred on the screen; the
// main window shown. Closing the main window ends the program normally.
void windows(const Fixture& fixture, Checks& checks) {
    GuiProgram program(fixture.exe, freshFolder(fixture, "windows").wstring());
    program.waitForWindow(L"TForm1");
    program.settle();
    for (const WindowCase& w : kWindows) {
        const std::string name = narrow(w.className);
        HWND window = program.findWindow(w.className);
        if (!checks.expect(window != nullptr, name + " exists"))
            continue;
        checks.expectEqual(narrow(text(window)), w.caption, name + " caption");
        const LONG style = ::GetWindowLongW(window, GWL_STYLE);
        checks.expect((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0,
                      name + " is neither resizable nor maximisable");
        checks.expect((style & WS_SYSMENU) != 0, name + " has a system menu");
        RECT client{}, frame{};
        ::GetClientRect(window, &client);
        ::GetWindowRect(window, &frame);
        checks.expectEqual(client.right, w.clientWidth, name + " client width");
        checks.expectEqual(client.bottom, w.clientHeight, name + " client height");
        const int slackX = ::GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left) - 2 * frame.left;
        const int slackY = ::GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top) - 2 * frame.top;
        checks.expect(std::abs(slackX) <= 1 && std::abs(slackY) <= 1, name + " is centred on the screen");
    }
    const HWND main = program.findWindow(L"TForm1");
    checks.expect(::IsWindowVisible(main), "the main window is shown");
    checks.expect(!::IsWindowVisible(program.findWindow(L"TForm2")), "About is hidden");

    // The task bar's one button is the application window's, named by the application title;
    // the main window is its own and goes down and comes back with it.
    const HWND application = program.findWindow(L"TApplication");
    if (checks.expect(application != nullptr, "the application window exists")) {
        checks.expectEqual(narrow(text(application)), std::string(kApplicationTitle),
                           "the application window's caption");
        checks.expect(::IsWindowVisible(application), "the application window is shown");
        checks.expect(::GetWindow(main, GW_OWNER) == application,
                      "the application window owns the main window");
        ::SendMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        program.settle();
        checks.expect(::IsIconic(application), "minimising the main window minimises the application window");
        checks.expect(!::IsWindowVisible(main), "the minimised application window hides the main window");
        ::SendMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
        program.settle();
        checks.expect(!::IsIconic(application) && ::IsWindowVisible(main),
                      "restoring the application window shows the main window again");
    }
    for (const int id : {ids::FontComboBox1, ids::ColorComboBox1}) {
        const HWND picker = control(main, id);
        checks.expect((::GetWindowLongW(picker, GWL_STYLE) & WS_TABSTOP) == 0,
                      "picker " + std::to_string(id) + " is not a tab stop");
        // Its window has the field's height only: the list must still drop eight rows.
        ::SendMessageW(picker, CB_SHOWDROPDOWN, TRUE, 0);
        RECT dropped{};
        ::SendMessageW(picker, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        ::SendMessageW(picker, CB_SHOWDROPDOWN, FALSE, 0);
        const LRESULT row = ::SendMessageW(picker, CB_GETITEMHEIGHT, 0, 0);
        checks.expect(dropped.bottom - dropped.top >= 8 * row,
                      "picker " + std::to_string(id) + " drops a list of eight rows");
    }

    // The pointer resting on Apply Changes shows its hint in the standard tooltip window.
    RECT apply{};
    ::GetWindowRect(control(main, ids::SpeedButton1), &apply);
    ::SetForegroundWindow(main);
    ::SetCursorPos(apply.left + 5, apply.top + 5);
    ::SetCursorPos(apply.left + 10, apply.top + 10);
    std::string tip;
    for (int i = 0; i < 60 && tip.empty(); ++i) {
        ::Sleep(50);
        for (HWND w = ::FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); w;
             w = ::FindWindowExW(nullptr, w, L"tooltips_class32", nullptr))
            if (::IsWindowVisible(w) && ::GetWindow(w, GW_OWNER) == main)
                tip = narrow(text(w));
    }
    checks.expectEqual(tip, "Apply Changes Before Saving", "the tooltip over Apply Changes");
    program.close();
}

// --- The main window's controls, step by step -------------------------------------------

struct ControlState {
    int id;
    std::optional<std::string> text; // not checked when empty
    bool enabled;
    bool visible = true;
};

void expectStates(Checks& checks, HWND main, const std::vector<ControlState>& states,
                  const std::string& step) {
    for (const ControlState& s : states) {
        const std::string name = step + ", control " + std::to_string(s.id);
        HWND c = control(main, s.id);
        if (s.text)
            checks.expectEqual(narrow(text(c)), *s.text, name + " text");
        checks.expectEqual(enabled(c), s.enabled, name + " enabled");
        checks.expectEqual(visible(c), s.visible, name + " visible");
    }
}

// The place fields as the country view shows a row of the table with these lines.
std::vector<ControlState> fieldsOfRow(int row, const std::vector<std::string>& lines) {
    std::vector<ControlState> fields;
    for (int f = 0; f < document::kFieldCount; ++f) {
        const std::optional<int> line = document::placeLine(row, f);
        fields.push_back({ids::edit(f), line ? std::optional(lines[std::size_t(*line)]) : std::nullopt, true,
                          line.has_value()});
    }
    return fields;
}

std::vector<ControlState> emptyFields(bool fieldsEnabled) {
    std::vector<ControlState> fields;
    for (int f = 0; f < document::kFieldCount; ++f)
        fields.push_back({ids::edit(f), "", fieldsEnabled});
    return fields;
}

std::vector<ControlState> operator+(std::vector<ControlState> a, const std::vector<ControlState>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void openThroughDialog(const GuiProgram& program, HWND main, const fs::path& file, Checks& checks) {
    startClick(control(main, ids::speedItem(1)));
    HWND dialog = program.waitForDialog();
    checks.expectEqual(narrow(text(dialog)), "Open European File", "Open dialog title");
    answerFileDialog(dialog, file.wstring());
    waitUntilGone(dialog);
    program.settle();
}

// Start state, Open, the country view, edit, Apply and Save, in one run of the program.
void editingSession(const Fixture& fixture, Checks& checks) {
    const fs::path folder = freshFolder(fixture, "editing");
    std::vector<std::string> lines = sampleLines();
    const fs::path file = folder / "euro.cfg";
    writeBytes(file, joinLines(lines));

    GuiProgram program(fixture.exe, folder.wstring());
    HWND main = program.waitForWindow(L"TForm1");
    program.settle();
    checks.expectEqual(narrow(text(main)), "Vantorel 99/00 V2.5", "main window caption");
    HWND list = control(main, ids::ListBox1);
    expectStates(checks, main,
                 std::vector<ControlState>{{ids::Label2, "Country", false},
                                           {ids::ListBox1, std::nullopt, false},
                                           {ids::speedItem(2), "Save", false},
                                           {ids::speedItem(1), "Open", true},
                                           {ids::speedItem(5), "New", true},
                                           {ids::SpeedButton1, "Apply Changes", true}} +
                     emptyFields(false),
                 "start");
    const std::vector<std::wstring> entries = listEntries(list);
    checks.require(entries.size() == std::size_t(document::kCountryCount), "48 countries in the list");
    for (int row = 0; row < document::kCountryCount; ++row)
        checks.expectEqual(narrow(entries[std::size_t(row)]),
                           std::string(document::countryRow(row).listEntry),
                           "list entry " + std::to_string(row));
    checks.expectEqual(listSelection(list), LB_ERR, "no country selected at start");

    openThroughDialog(program, main, file, checks);
    expectStates(checks, main,
                 std::vector<ControlState>{{ids::Label2, "England", true},
                                           {ids::ListBox1, std::nullopt, true},
                                           {ids::speedItem(2), std::nullopt, true}} +
                     fieldsOfRow(0, lines),
                 "after Open");
    checks.expectEqual(listSelection(list), 0, "England selected after Open");

    const int italy = *document::rowByCaption("Italy");
    selectListEntry(list, italy);
    expectStates(checks, main,
                 std::vector<ControlState>{{ids::Label2, "Italy", true}} + fieldsOfRow(italy, lines),
                 "Italy");

    // A text beyond ASCII goes into the file as Windows-1252 bytes.
    setText(control(main, ids::edit(1)), L"M\u00fcnchen Kick\u00e9rs");
    click(control(main, ids::SpeedButton1));
    click(control(main, ids::speedItem(2)));
    program.settle();
    lines[std::size_t(*document::placeLine(italy, 1))] = "M\xfc"
                                                         "nchen Kick\xe9rs";
    checks.expect(readBytes(file) == joinLines(lines) + "\r\n", "the saved file holds the applied field");
    program.close();
}

// New from the template in the working folder, then Save through the Save dialog.
void newFromTemplate(const Fixture& fixture, Checks& checks) {
    const fs::path folder = freshFolder(fixture, "new");
    fs::copy_file(fixture.templateFile, folder / "templ.ate");
    GuiProgram program(fixture.exe, folder.wstring());
    HWND main = program.waitForWindow(L"TForm1");
    click(control(main, ids::speedItem(5)));
    expectStates(
        checks, main,
        std::vector<ControlState>{{ids::Label2, "England", true}, {ids::speedItem(2), std::nullopt, true}} +
            emptyFields(true),
        "after New");

    startClick(control(main, ids::speedItem(2)));
    HWND dialog = program.waitForDialog();
    const fs::path saved = folder / "saved.cfg";
    answerFileDialog(dialog, saved.wstring());
    waitUntilGone(dialog);
    program.settle();
    const std::string original = readBytes(fixture.templateFile);
    // The template ends with a line end, so the save adds none.
    const std::string expected =
        document::lineends::normalised(original, document::lineends::count(original));
    checks.expect(fs::exists(saved) && readBytes(saved) == expected, "the saved file is the template's text");
    program.close();
}

// --- Error reports ------------------------------------------------------------------------

struct ErrorCase {
    const char* tag;
    // Makes the program fail in the folder; gives the message the report must show.
    std::function<std::string(const GuiProgram&, HWND main, const fs::path& folder)> provoke;
};

const ErrorCase kErrorCases[] = {
    {"Open of a missing file",
     [](const GuiProgram& program, HWND main, const fs::path& folder) {
         startClick(control(main, ids::speedItem(1)));
         HWND dialog = program.waitForDialog();
         const fs::path missing = folder / "missing.cfg";
         answerFileDialog(dialog, missing.wstring());
         waitUntilGone(dialog);
         return "Cannot open file " + narrow(missing.wstring()) + ".";
     }},
    {"New without a template",
     [](const GuiProgram&, HWND main, const fs::path&) {
         startClick(control(main, ids::speedItem(5)));
         return std::string("Cannot open file templ.ate.");
     }},
};

void errorReports(const Fixture& fixture, Checks& checks) {
    for (const ErrorCase& c : kErrorCases) {
        const fs::path folder = freshFolder(fixture, "errors");
        GuiProgram program(fixture.exe, folder.wstring());
        HWND main = program.waitForWindow(L"TForm1");
        program.settle();
        const std::string expected = c.provoke(program, main, folder);
        const MessageBoxShown box = readMessageBox(program.waitForDialog());
        checks.expectEqual(narrow(box.text), expected, std::string(c.tag) + ": text");
        checks.expectEqual(narrow(box.caption), kApplicationTitle, std::string(c.tag) + ": caption");
        checks.expect(box.stopIcon, std::string(c.tag) + ": the stop icon");
        program.close();
    }
}

// The command line: a file named there (in a folder whose name is beyond any ANSI code page)
// opens as Open opens it and saves back there; two names give the usage line, and the editor
// starts empty.
void commandLine(const Fixture& fixture, Checks& checks) {
    const fs::path folder = freshFolder(fixture, "arguments") / L"Br\u00f8ndby \u0141\u00f3d\u017a";
    fs::create_directories(folder);
    std::vector<std::string> lines = sampleLines();
    const fs::path file = folder / "euro.cfg";
    writeBytes(file, joinLines(lines));
    {
        GuiProgram program(fixture.exe, folder.wstring(), L"\"" + file.wstring() + L"\"");
        HWND main = program.waitForWindow(L"TForm1");
        program.settle();
        expectStates(checks, main,
                     std::vector<ControlState>{{ids::Label2, "England", true}} + fieldsOfRow(0, lines),
                     "the named file");
        checks.expectEqual(narrow(text(control(main, ids::Label1))), narrow(file.wstring()),
                           "its path shown");
        // Saved back where it came from; the last line gets its line end.
        click(control(main, ids::speedItem(2)));
        program.settle();
        checks.expect(readBytes(file) == joinLines(lines) + "\r\n", "saved into that folder");
        program.close();
    }
    GuiProgram program(fixture.exe, folder.wstring(), L"a.cfg b.cfg");
    program.waitForWindow(L"TForm1");
    const MessageBoxShown box = readMessageBox(program.waitForDialog());
    checks.expectEqual(narrow(box.text), kUsage, "two names: the usage line");
    program.settle();
    expectStates(checks, program.waitForWindow(L"TForm1"),
                 std::vector<ControlState>{{ids::Label2, "Country", false}}, "two names: the start state");
    program.close();
}

// --- Settings in the registry ---------------------------------------------------------------

struct StoredValue {
    const char* key;
    const char* name;
    DWORD type;
    std::string data;
};

std::string dword(DWORD n) {
    return std::string(reinterpret_cast<const char*>(&n), sizeof n);
}

void expectStored(Checks& checks, const std::vector<StoredValue>& values, const std::string& step) {
    for (const StoredValue& v : values) {
        const std::optional<RegistryValue> stored = readRegistryValue(v.key, v.name);
        const std::string what = step + ": " + v.name;
        if (!checks.expect(stored.has_value(), what + " is stored"))
            continue;
        checks.expectEqual(stored->type, v.type, what + " type");
        checks.expect(stored->data == v.data, what + " data");
    }
}

int indexOf(const std::vector<std::wstring>& entries, const wchar_t* name) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == name)
            return int(i);
    return -1;
}

// The display preferences after a first run, after a run that changes them, and restored.
void displayPreferences(const Fixture& fixture, Checks& checks) {
    deleteRegistryKey(kSettingsKey);
    const fs::path folder = freshFolder(fixture, "settings");
    {
        GuiProgram first(fixture.exe, folder.wstring());
        first.waitForWindow(L"TForm1");
        first.settle();
        first.close();
    }
    expectStored(checks,
                 {{kOptionsKey, "Time", REG_SZ, std::string("1", 2)},
                  {kOptionsKey, "Font", REG_SZ, std::string("Arial", 6)},
                  {kOptionsKey, "FontStyle", REG_DWORD, dword(0)},
                  {kOptionsKey, "FontColor", REG_DWORD, dword(0)}},
                 "after the first run");
    {
        GuiProgram later(fixture.exe, folder.wstring());
        HWND main = later.waitForWindow(L"TForm1");
        later.settle();
        click(control(main, ids::speedItem(6)));
        HWND colors = control(main, ids::ColorComboBox1);
        const int red = indexOf(comboEntries(colors), L"Red");
        checks.require(red >= 0, "the colour picker lists Red");
        selectComboEntry(colors, red);
        later.close();
    }
    expectStored(
        checks,
        {{kOptionsKey, "FontStyle", REG_DWORD, dword(1)}, {kOptionsKey, "FontColor", REG_DWORD, dword(255)}},
        "after bold and red");
    GuiProgram restored(fixture.exe, folder.wstring());
    HWND main = restored.waitForWindow(L"TForm1");
    restored.settle();
    checks.expect(checked(control(main, ids::speedItem(6))), "the Font toggle is restored pressed");
    HWND colors = control(main, ids::ColorComboBox1);
    const int selected = comboSelection(colors);
    checks.expect(selected >= 0 && comboEntries(colors)[std::size_t(selected)] == L"Red",
                  "the colour picker shows Red again");
    restored.close();
}

// The tip list's index of the text the Tips memo shows; -1 for any other text.
int shownTip(HWND tip) {
    const std::wstring shown = text(control(tip, ids::Tip_Tips));
    for (int i = 0; i < ui::kTipCount; ++i)
        if (shown == widen(std::string(ui::tipLine(i))))
            return i;
    return -1;
}

// "Hide Tip on Startup": stored at the end, obeyed at the next start, undone by the command.
void tipFlag(const Fixture& fixture, Checks& checks) {
    deleteRegistryKey(kSettingsKey);
    const fs::path folder = freshFolder(fixture, "tip");
    {
        GuiProgram program(fixture.exe, folder.wstring());
        program.waitForWindow(L"TForm1");
        HWND tip = program.waitForWindow(L"TForm3");
        HWND box = control(tip, ids::Tip_TipCheckBox);
        checks.expect(!checked(box), "the box is unchecked at the first start");
        checks.expect(shownTip(tip) >= 0, "the memo shows a tip of the list");
        for (int i = 0; i < 3; ++i) {
            click(control(tip, ids::Tip_SpeedButton2));
            const int next = shownTip(tip);
            checks.expect(next >= 0 && next < ui::kTipCount - 1, "Next Tip shows a tip but the last");
        }
        click(box);
        checks.expect(checked(box), "a click checks the box");
        program.close();
    }
    expectStored(checks, {{kOptionsKey, "Tip", REG_SZ, std::string("1", 2)}}, "after ticking the box");
    {
        GuiProgram program(fixture.exe, folder.wstring());
        HWND main = program.waitForWindow(L"TForm1");
        program.settle();
        HWND tip = program.findWindow(L"TForm3");
        checks.require(tip != nullptr, "the Tip window exists");
        checks.expect(!::IsWindowVisible(tip), "the Tip window stays hidden at start");
        click(control(main, ids::speedItem(3)));
        checks.expect(::IsWindowVisible(tip), "Tip of the Day shows it");
        checks.expect(!checked(control(tip, ids::Tip_TipCheckBox)), "and unchecks the box");
        program.close();
    }
    expectStored(checks, {{kOptionsKey, "Tip", REG_SZ, std::string("0", 2)}}, "after Tip of the Day");
}

// --- The About window's links ---------------------------------------------------------------

struct LinkCase {
    int id;
    const char* opener; // what ShellExecute "open" runs under Wine for the target
    const char* scheme; // put before the caption to make the target, compared in any case
};

const LinkCase kLinks[] = {
    {ids::About_URLLabel1, "xdg-email", "mailto:"},
    {ids::About_URLLabel2, "xdg-open", ""},
};

std::string lowered(std::string text) {
    for (char& ch : text)
        ch = char(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// The lines the recording openers have written so far, waiting up to 10 s for `count` of them.
std::vector<std::string> openedLinks(const fs::path& log, std::size_t count) {
    std::vector<std::string> lines;
    for (int i = 0; i < 200 && lines.size() < count; ++i, ::Sleep(50)) {
        lines.clear();
        std::ifstream in(log);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
    }
    return lines;
}

void links(const Fixture& fixture, Checks& checks) {
    checks.require(!fixture.linkLog.empty(), "VANTOREL_LINK_LOG names the openers' log");
    fs::remove(fixture.linkLog);
    GuiProgram program(fixture.exe, freshFolder(fixture, "links").wstring());
    HWND main = program.waitForWindow(L"TForm1");
    click(control(main, ids::speedItem(4)));
    HWND about = program.waitForWindow(L"TForm2");
    std::size_t opened = 0;
    for (const LinkCase& link : kLinks) {
        HWND label = control(about, link.id);
        const std::string caption = narrow(text(label));
        clickAt(label, POINT{3, 3});
        const std::vector<std::string> lines = openedLinks(fixture.linkLog, ++opened);
        if (checks.expectEqual(lines.size(), opened, caption + " is opened"))
            checks.expectEqual(lowered(lines.back()),
                               lowered(std::string(link.opener) + " " + link.scheme + caption),
                               "the opener's arguments");
    }
    program.close();
}

// --- The gradient caption, as the screen shows it -----------------------------------------------

ui::FrameMetrics systemFrameMetrics() {
    ui::FrameMetrics m;
    m.frameWidth = ::GetSystemMetrics(SM_CXFRAME);
    m.frameHeight = ::GetSystemMetrics(SM_CYFRAME);
    m.dialogFrameWidth = ::GetSystemMetrics(SM_CXDLGFRAME);
    m.dialogFrameHeight = ::GetSystemMetrics(SM_CYDLGFRAME);
    m.captionHeight = ::GetSystemMetrics(SM_CYCAPTION);
    m.smallCaptionHeight = ::GetSystemMetrics(SM_CYSMCAPTION);
    m.captionButtonWidth = ::GetSystemMetrics(SM_CXSIZE);
    m.smallCaptionButtonWidth = ::GetSystemMetrics(SM_CXSMSIZE);
    m.smallIconWidth = ::GetSystemMetrics(SM_CXSMICON);
    m.smallIconHeight = ::GetSystemMetrics(SM_CYSMICON);
    return m;
}

COLORREF asColorRef(core::TColor color) {
    return RGB(core::redOf(color), core::greenOf(color), core::blueOf(color));
}

// The top row of the caption strip, above the icon and the text: the design's bands from the
// start colour to the system's gradient colour while the window is active.
void captionGradient(const Fixture& fixture, Checks& checks) {
    GuiProgram program(fixture.exe, freshFolder(fixture, "caption").wstring());
    HWND main = program.waitForWindow(L"TForm1");
    program.settle();
    if (HWND tip = program.findWindow(L"TForm3"))
        ::ShowWindow(tip, SW_HIDE);
    ::SetForegroundWindow(main);
    program.settle();
    ::Sleep(300); // painted
    checks.require(::GetForegroundWindow() == main, "the main window is active");

    RECT frame{};
    ::GetWindowRect(main, &frame);
    const ui::CaptionGeometry g =
        ui::captionGeometry(frame.right - frame.left, frame.bottom - frame.top, ui::TFormBorderStyle::Single,
                            ui::TBorderIcons{true, true, false, false}, systemFrameMetrics());
    const RECT row{frame.left + g.strip.left, frame.top + g.strip.top, frame.left + g.strip.right(),
                   frame.top + g.strip.top + 1};
    const ScreenImage shown(row);
    BOOL gradients = FALSE;
    ::SystemParametersInfoW(SPI_GETGRADIENTCAPTIONS, 0, &gradients, 0);
    const COLORREF end = ::GetSysColor(gradients ? COLOR_GRADIENTACTIVECAPTION : COLOR_ACTIVECAPTION);
    const auto& design = ui::mainwindow::kGradientCaption;
    int wrong = 0;
    int compared = 0;
    for (const ui::GradientBand& band :
         ui::gradientBands(ui::gradientBox(g.strip.width, g.strip.height), design.startColor,
                           core::rgb(GetRValue(end), GetGValue(end), GetBValue(end)), design.gradientSteps))
        for (int x = std::max(0, band.box.left); x < std::min(shown.width(), band.box.right());
             ++x, ++compared)
            wrong += shown.pixel(x, 0) != asColorRef(band.color);
    checks.expect(compared > g.strip.width / 2, "the strip's row is compared");
    checks.expectEqual(wrong, 0, "pixels of the caption's top row unlike the design's bands");
    program.close();
}

// --- The run ---------------------------------------------------------------------------------

struct Case {
    const char* name;
    void (*run)(const Fixture&, Checks&);
};

const Case kCases[] = {
    {"windows", windows},     {"editing", editingSession},         {"new", newFromTemplate},
    {"errors", errorReports}, {"preferences", displayPreferences}, {"tip", tipFlag},
    {"links", links},         {"caption", captionGradient},        {"arguments", commandLine},
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: tst_win32_gui VANTOREL_EXE TEMPLATE [CASE...]\n", stderr);
        return 2;
    }
    Fixture fixture{windowsPath(argv[1]).wstring(),
                    windowsPath(argv[2]),
                    fs::temp_directory_path() / "vantorel-gui-test",
                    {}};
    if (const char* log = std::getenv("VANTOREL_LINK_LOG"))
        fixture.linkLog = windowsPath(widen(log));
    fs::remove_all(fixture.scratch);
    fs::create_directories(fixture.scratch);

    int passed = 0;
    int failed = 0;
    for (const Case& c : kCases) {
        bool wanted = argc == 3;
        for (int i = 3; i < argc; ++i)
            wanted = wanted || narrow(argv[i]) == c.name;
        if (!wanted)
            continue;
        Checks checks(c.name);
        try {
            c.run(fixture, checks);
        } catch (const std::exception& e) {
            checks.expect(false, e.what());
        }
        const bool ok = checks.failures() == 0;
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", c.name);
        std::fflush(stdout);
        (ok ? passed : failed)++;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
