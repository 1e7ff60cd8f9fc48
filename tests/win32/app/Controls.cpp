#include "Controls.h"

#include "Checks.h"

namespace wintest {

namespace {

struct IdQuery {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK matchId(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<IdQuery*>(parameter);
    if (::GetDlgCtrlID(window) != query.id)
        return TRUE;
    query.found = window;
    return FALSE;
}

// A message whose answer is a number; throws when the program does not answer.
LRESULT ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &answer))
        throw Failure("no answer to message " + std::to_string(message));
    return LRESULT(answer);
}

void notifyParent(HWND child, WORD code) {
    ask(::GetParent(child), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(child), code), LPARAM(child));
}

// The messages by which a list box and a combo box give their entries and take a selection.
struct EntryMessages {
    UINT count, textLength, text, getSelection, setSelection;
    WORD selectionChange;
};
constexpr EntryMessages kListMessages{LB_GETCOUNT,  LB_GETTEXTLEN, LB_GETTEXT,
                                      LB_GETCURSEL, LB_SETCURSEL,  LBN_SELCHANGE};
constexpr EntryMessages kComboMessages{CB_GETCOUNT,  CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                       CB_GETCURSEL, CB_SETCURSEL,    CBN_SELCHANGE};

std::vector<std::wstring> entries(HWND window, const EntryMessages& messages) {
    std::vector<std::wstring> out;
    const LRESULT count = ask(window, messages.count);
    for (int i = 0; i < count; ++i) {
        const LRESULT length = ask(window, messages.textLength, WPARAM(i));
        if (length < 0)
            throw Failure("no entry " + std::to_string(i));
        std::wstring entry(std::size_t(length) + 1, L'\0');
        entry.resize(std::size_t(ask(window, messages.text, WPARAM(i), LPARAM(entry.data()))));
        out.push_back(entry);
    }
    return out;
}

// Selects the entry as a user does: the selection, then its notification to the parent.
void select(HWND window, int index, const EntryMessages& messages) {
    ask(window, messages.setSelection, WPARAM(index));
    notifyParent(window, messages.selectionChange);
}

} // namespace

HWND control(HWND top, int id) {
    IdQuery query{id};
    // EnumChildWindows visits every descendant, not only the direct children.
    ::EnumChildWindows(top, matchId, reinterpret_cast<LPARAM>(&query));
    if (!query.found)
        throw Failure("no control with ID " + std::to_string(id));
    return query.found;
}

std::wstring text(HWND window) {
    std::wstring out(std::size_t(ask(window, WM_GETTEXTLENGTH)) + 1, L'\0');
    out.resize(std::size_t(ask(window, WM_GETTEXT, out.size(), LPARAM(out.data()))));
    return out;
}

void setText(HWND window, const std::wstring& text) {
    ask(window, WM_SETTEXT, 0, LPARAM(text.c_str()));
}

bool enabled(HWND window) {
    return ::IsWindowEnabled(window) != FALSE;
}

bool visible(HWND window) {
    return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

void click(HWND button) {
    ask(button, BM_CLICK);
}

void startClick(HWND button) {
    ::PostMessageW(button, BM_CLICK, 0, 0);
}

void clickAt(HWND window, POINT point) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(window, WM_LBUTTONUP, 0, where);
}

bool checked(HWND button) {
    return ask(button, BM_GETCHECK) == BST_CHECKED;
}

std::vector<std::wstring> listEntries(HWND list) {
    return entries(list, kListMessages);
}

int listSelection(HWND list) {
    return int(ask(list, kListMessages.getSelection));
}

void selectListEntry(HWND list, int index) {
    select(list, index, kListMessages);
}

std::vector<std::wstring> comboEntries(HWND combo) {
    return entries(combo, kComboMessages);
}

int comboSelection(HWND combo) {
    return int(ask(combo, kComboMessages.getSelection));
}

void selectComboEntry(HWND combo, int index) {
    select(combo, index, kComboMessages);
}

} // namespace wintest
