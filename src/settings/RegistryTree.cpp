#include "settings/RegistryTree.h"

#include <algorithm>

namespace settings {

namespace {

// Backslash sorts before every other character so that "A\B" and its subkeys come before "A B".
int sortWeight(unsigned char c) noexcept {
    if (c == '\\')
        return -1;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 'a';
    return c;
}

unsigned char foldCase(unsigned char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

} // namespace

bool RegistryTree::PathLess::operator()(std::string_view a, std::string_view b) const noexcept {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return sortWeight(static_cast<unsigned char>(x)) < sortWeight(static_cast<unsigned char>(y));
    });
}

bool RegistryTree::isPrintable(unsigned char c) noexcept {
    if (c < 0x20 || c == 0x7F)
        return false;
    // Bytes that Windows-1252 leaves undefined.
    return c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D;
}

bool RegistryTree::isValidPath(std::string_view path) noexcept {
    if (path.empty())
        return true;
    std::size_t componentLength = 0;
    for (const char ch : path) {
        if (ch == '\\') {
            if (componentLength == 0)
                return false;
            componentLength = 0;
        } else if (!isPrintable(static_cast<unsigned char>(ch))) {
            return false;
        } else {
            ++componentLength;
        }
    }
    return componentLength != 0;
}

bool RegistryTree::isValidValueName(std::string_view name) noexcept {
    return std::all_of(name.begin(), name.end(),
                       [](char ch) { return isPrintable(static_cast<unsigned char>(ch)); });
}

bool RegistryTree::sameName(std::string_view a, std::string_view b) noexcept {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return foldCase(static_cast<unsigned char>(x)) == foldCase(static_cast<unsigned char>(y));
    });
}

bool RegistryTree::createKey(std::string_view path) {
    // A new subkey is spelt under its parent as the parent was first spelt.
    bool added = false;
    std::string stored;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        std::string candidate = stored.empty() ? std::string() : stored + '\\';
        candidate += path.substr(start, end - start);
        const auto found = m_keys.find(candidate);
        if (found != m_keys.end()) {
            stored = found->second.path;
        } else {
            m_keys.emplace(candidate, Key{candidate, {}});
            stored = std::move(candidate);
            added = true;
        }
        start = end + 1;
    }
    return added;
}

bool RegistryTree::keyExists(std::string_view path) const {
    return path.empty() || m_keys.find(path) != m_keys.end();
}

const RegistryValue* RegistryTree::value(std::string_view keyPath, std::string_view name) const {
    const auto key = m_keys.find(keyPath);
    if (key == m_keys.end())
        return nullptr;
    for (const auto& [valueName, value] : key->second.values) {
        if (sameName(valueName, name))
            return &value;
    }
    return nullptr;
}

void RegistryTree::setValue(std::string_view keyPath, std::string_view name, RegistryValue value) {
    createKey(keyPath);
    auto key = m_keys.find(keyPath);
    if (key == m_keys.end()) // the root, which is only listed once it holds values
        key = m_keys.emplace(std::string(keyPath), Key{std::string(keyPath), {}}).first;
    for (auto& [valueName, stored] : key->second.values) {
        if (sameName(valueName, name)) {
            stored = std::move(value);
            return;
        }
    }
    key->second.values.emplace_back(std::string(name), std::move(value));
}

} // namespace settings
