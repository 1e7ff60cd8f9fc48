#pragma once

#include <windows.h>

// A function of a system library that only some commands need (the file dialogs, the shell,
// accessibility), bound when first called: the program starts without loading that library
// and all that it imports, which under Wine costs as much as the rest of the start-up.
namespace win32 {

// The library from the system folder only, loaded once and kept; nullptr if it is missing.
HMODULE systemLibrary(const wchar_t* name);

// The function, or nullptr when the library or the function is missing.
template <class Function> Function* lateBound(const wchar_t* library, const char* name) {
    const HMODULE module = systemLibrary(library);
    // Through void*: GetProcAddress gives a function of no parameters.
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                  : nullptr;
}

} // namespace win32
