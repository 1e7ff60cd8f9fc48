// Fuzzes the settings store's reader: any bytes are either refused with a ParseError or read
// into a tree whose written form reads back, without a skipped line, to the same written form.
#include "settings/RegistryFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string written;
    try {
        written = settings::RegistryFile::serialise(settings::RegistryFile::parse(input).tree);
    } catch (const settings::RegistryFile::ParseError&) {
        return 0;
    }
    // What the writer writes, the reader must take back whole and unchanged.
    try {
        const settings::RegistryFile::Contents back = settings::RegistryFile::parse(written);
        if (!back.skipped.empty() || settings::RegistryFile::serialise(back.tree) != written)
            __builtin_trap();
    } catch (const settings::RegistryFile::ParseError&) {
        __builtin_trap();
    }
    return 0;
}
