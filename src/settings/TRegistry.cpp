#include "settings/TRegistry.h"

#include "core/Exception.h"

namespace settings {

namespace {

[[noreturn]] void fail(const char* what, const std::string& name) {
    throw core::ERegistryException(std::string(what) + " '" + name + "'");
}

} // namespace

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() {
    closeKey();
}

std::optional<std::string> TRegistry::resolvePath(const std::string& path) const {
    std::string full;
    if (!path.empty() && path.front() == '\\') {
        full = path.substr(1);
    } else if (m_currentKey && !m_currentKey->empty()) {
        full = path.empty() ? *m_currentKey : *m_currentKey + '\\' + path;
    } else {
        full = path;
    }
    if (!RegistryTree::isValidPath(full))
        return std::nullopt;
    return full;
}

bool TRegistry::openKey(const std::string& path, bool canCreate) {
    try {
        const std::optional<std::string> full = resolvePath(path);
        if (!full)
            return false;
        const bool ok = canCreate ? m_store.createKey(*full) : m_store.keyExists(*full);
        if (!ok)
            return false;
        closeKey();
        m_currentKey = *full;
        return true;
    } catch (...) {
        return false;
    }
}

void TRegistry::closeKey() {
    m_currentKey.reset();
}

std::string TRegistry::readString(const std::string& name) {
    if (!m_currentKey)
        return {};
    const std::optional<RegistryValue> value = m_store.queryValue(*m_currentKey, name);
    if (!value || value->data.empty())
        return {};
    if (value->type != REG_SZ && value->type != REG_EXPAND_SZ)
        fail("Invalid data type for", name);
    return value->data.substr(0, value->data.find('\0'));
}

std::int32_t TRegistry::readInteger(const std::string& name) {
    const std::optional<RegistryValue> value =
        m_currentKey ? m_store.queryValue(*m_currentKey, name) : std::nullopt;
    if (!value || value->data.size() > 4)
        fail("Failed to get data for", name);
    if (value->type != REG_DWORD)
        fail("Invalid data type for", name);
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < value->data.size(); ++i)
        n |= std::uint32_t(static_cast<unsigned char>(value->data[i])) << (8 * i);
    return static_cast<std::int32_t>(n);
}

bool TRegistry::readBool(const std::string& name) {
    return readInteger(name) != 0;
}

TRegistry::Write TRegistry::text(const std::string& name, const std::string& value) {
    return {name, {REG_SZ, value + '\0'}};
}

TRegistry::Write TRegistry::integer(const std::string& name, std::int32_t value) {
    const auto n = static_cast<std::uint32_t>(value);
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return {name, {REG_DWORD, data}};
}

TRegistry::Write TRegistry::boolean(const std::string& name, bool value) {
    return integer(name, value ? 1 : 0);
}

void TRegistry::writeAll(const std::vector<Write>& values) {
    if (values.empty())
        return;
    std::vector<std::pair<std::string, RegistryValue>> named;
    for (const Write& w : values)
        named.emplace_back(w.name, w.value);
    bool ok = false;
    try {
        ok = m_currentKey && m_store.setValues(*m_currentKey, named);
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok)
        fail("Failed to set data for", values.front().name);
}

void TRegistry::writeString(const std::string& name, const std::string& value) {
    writeAll({text(name, value)});
}

void TRegistry::writeInteger(const std::string& name, std::int32_t value) {
    writeAll({integer(name, value)});
}

void TRegistry::writeBool(const std::string& name, bool value) {
    writeAll({boolean(name, value)});
}

} // namespace settings
