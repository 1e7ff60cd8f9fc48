#include "win32/platform/LateBound.h"

namespace win32 {

HMODULE systemLibrary(const wchar_t* name) {
    // A library loaded once stays loaded: asking again only finds it.
    return ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace win32
