#include "win32/controls/drawing/Subclass.h"

#include <algorithm>
#include <vector>

namespace win32::controls {

namespace subclassing {

namespace {

struct Entry {
    HWND hwnd;
    WNDPROC procedure;
    Link link;
};

// A few dozen windows at most, all on the program's one window thread.
std::vector<Entry>& entries() {
    static std::vector<Entry> table;
    return table;
}

Entry* entryOf(HWND hwnd, WNDPROC procedure) {
    for (Entry& entry : entries())
        if (entry.hwnd == hwnd && entry.procedure == procedure)
            return &entry;
    return nullptr;
}

thread_local WNDPROC t_passingOnTo = nullptr;

} // namespace

void attach(HWND hwnd, WNDPROC procedure, void* owner) {
    if (Entry* entry = entryOf(hwnd, procedure)) {
        entry->link.owner = owner;
        return;
    }
    entries().push_back({hwnd, procedure, {nullptr, owner}});
    // Recorded before the switch, so that the first message through the new procedure finds it.
    entries().back().link.next = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

Link find(HWND hwnd, WNDPROC procedure) {
    const Entry* entry = entryOf(hwnd, procedure);
    return entry ? entry->link : Link{};
}

void detach(HWND hwnd, WNDPROC procedure) {
    if (Entry* entry = entryOf(hwnd, procedure))
        entry->link.owner = nullptr;
}

void forget(HWND hwnd, WNDPROC procedure) {
    std::vector<Entry>& table = entries();
    table.erase(std::remove_if(table.begin(), table.end(),
                               [&](const Entry& e) { return e.hwnd == hwnd && e.procedure == procedure; }),
                table.end());
}

PassingOnTo::PassingOnTo(WNDPROC next) noexcept
    : m_outer(t_passingOnTo) {
    t_passingOnTo = next;
}

PassingOnTo::~PassingOnTo() {
    t_passingOnTo = m_outer;
}

} // namespace subclassing

LRESULT passOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC next = subclassing::t_passingOnTo;
    return next ? ::CallWindowProcW(next, hwnd, message, wParam, lParam)
                : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace win32::controls
