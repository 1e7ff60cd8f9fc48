#pragma once

#include <windows.h>

namespace wintest {

// "Wine" under Wine, else "Windows": the figures say where they were measured.
inline const char* systemName() {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") ? "Wine" : "Windows";
}

} // namespace wintest
