// TRegistry and TRegIniFile on the real registry, as the Windows build has it: run under Wine by
// the Linux build's tests (tst_registry_win32). Plain C++: there is no Qt in the Windows build.
// Everything happens under a key of this test's own, removed at the end.

#include "core/Exception.h"
#include "settings/TRegIniFile.h"
#include "settings/TRegistry.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

int g_failed = 0;
int g_passed = 0;

void check(bool ok, const std::string& what) {
    ++(ok ? g_passed : g_failed);
    if (!ok)
        std::printf("FAIL: %s\n", what.c_str());
}

const std::string kRoot = "Software\\VantorelRegistryTest" + std::to_string(::GetCurrentProcessId());
const std::string kOptions = kRoot + "\\Options";

struct Raw {
    DWORD type = REG_NONE;
    std::string data;
    bool exists = false;
};

// The value as the registry holds it, read without the classes under test.
Raw rawValue(const std::string& key, const std::string& name) {
    HKEY h = nullptr;
    Raw raw;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return raw;
    DWORD size = 0;
    if (::RegQueryValueExA(h, name.c_str(), nullptr, &raw.type, nullptr, &size) == ERROR_SUCCESS) {
        raw.data.resize(size);
        raw.exists = ::RegQueryValueExA(h, name.c_str(), nullptr, &raw.type,
                                        reinterpret_cast<BYTE*>(raw.data.data()), &size) == ERROR_SUCCESS;
    }
    ::RegCloseKey(h);
    return raw;
}

void setRaw(const std::string& key, const std::string& name, DWORD type, const std::string& data) {
    HKEY h = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
    ::RegSetValueExA(h, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     DWORD(data.size()));
    ::RegCloseKey(h);
}

bool keyExists(const std::string& key) {
    HKEY h = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(h);
    return true;
}

// What the call gives, or the message it raised as "!message".
std::string outcome(const std::function<std::string()>& call) {
    try {
        return call();
    } catch (const core::ERegistryException& e) {
        return std::string("!") + e.what();
    }
}

void theMainWindowsValuesAreStoredWithTheirTypesAndData() {
    settings::TRegistry key;
    check(!key.openKey(kOptions, false) && !keyExists(kRoot), "opening without create makes nothing");
    check(key.openKey(kOptions, true) && keyExists(kOptions), "opening with create makes the key");
    key.writeAll({settings::TRegistry::text("Time", "1"), settings::TRegistry::text("Font", "Arial"),
                  settings::TRegistry::boolean("FontStyle", true),
                  settings::TRegistry::integer("FontColor", 255)});
    struct Row {
        const char* name;
        DWORD type;
        std::string data;
    };
    for (const Row& row :
         {Row{"Time", REG_SZ, std::string("1", 2)}, Row{"Font", REG_SZ, std::string("Arial", 6)},
          Row{"FontStyle", REG_DWORD, std::string("\1\0\0\0", 4)},
          Row{"FontColor", REG_DWORD, std::string("\xFF\0\0\0", 4)}}) {
        const Raw raw = rawValue(kOptions, row.name);
        check(raw.exists && raw.type == row.type && raw.data == row.data, std::string("stored ") + row.name);
    }
}

void readsFollowTheStoredTypeAndSize() {
    struct Row {
        const char* tag;
        DWORD type;
        std::string data;
        bool asText;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"text", REG_SZ, std::string("Arial", 6), true, "Arial"},
        {"text without its zero", REG_SZ, "Arial", true, "Arial"},
        {"text cut at a zero", REG_SZ, std::string("ab\0cd", 5), true, "ab"},
        {"empty data", REG_SZ, "", true, ""},
        {"expandable text", REG_EXPAND_SZ, std::string("x", 2), true, "x"},
        {"number as text", REG_DWORD, std::string(4, '\0'), true, "!Invalid data type for 'V'"},
        {"number", REG_DWORD, "\x07\0\0\0", false, "7"},
        {"short number", REG_DWORD, "\x34\x12", false, "4660"},
        {"five bytes", REG_BINARY, "12345", false, "!Failed to get data for 'V'"},
        {"text as number", REG_SZ, std::string("1", 2), false, "!Invalid data type for 'V'"},
    };
    settings::TRegistry key;
    key.openKey(kOptions, true);
    for (const Row& row : rows) {
        setRaw(kOptions, "V", row.type, row.data);
        const std::string got =
            outcome([&] { return row.asText ? key.readString("V") : std::to_string(key.readInteger("V")); });
        check(got == row.expected, std::string(row.tag) + ": got \"" + got + "\"");
    }
    check(outcome([&] { return std::to_string(key.readInteger("Missing")); }) ==
              "!Failed to get data for 'Missing'",
          "a missing number");
    check(key.readString("Missing").empty(), "a missing text");
}

void theTipFlagIsTextInTheOptionsSection() {
    settings::TRegIniFile ini(kRoot);
    ::RegDeleteValueA(HKEY_CURRENT_USER, (kOptions + "\\Tip").c_str());
    check(!ini.readBool("Options", "Tip", false), "no flag: the default");
    ini.writeBool("Options", "Tip", true);
    const Raw raw = rawValue(kOptions, "Tip");
    check(raw.type == REG_SZ && raw.data == std::string("1", 2), "flag stored as \"1\"");
    check(ini.readBool("Options", "Tip", false), "flag read back");
    setRaw(kOptions, "Tip", REG_SZ, std::string("0x1F", 5));
    check(ini.readBool("Options", "Tip", false), "hexadecimal flag");
    setRaw(kOptions, "Tip", REG_SZ, std::string("yes", 4));
    check(ini.readBool("Options", "Tip", true) && !ini.readBool("Options", "Tip", false),
          "no number: the default");
    check(ini.currentPath() == kRoot, "the handle is back on its own key");
}

void aWriteWithoutAnOpenKeyFails() {
    settings::TRegistry key;
    check(outcome([&] {
              key.writeString("Time", "1");
              return std::string();
          }) == "!Failed to set data for 'Time'",
          "no key open");
}

} // namespace

int wmain() {
    theMainWindowsValuesAreStoredWithTheirTypesAndData();
    readsFollowTheStoredTypeAndSize();
    theTipFlagIsTextInTheOptionsSection();
    aWriteWithoutAnOpenKeyFails();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot.c_str());
    check(!keyExists(kRoot), "the test's key is removed");
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
