#pragma once

// File helpers of the fault tests: whole-file bytes and folder listings by plain path.

#include <QDir>
#include <QStringList>

#include <fstream>
#include <string>

namespace faultfiles {

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return "<unreadable>";
    std::string bytes(std::size_t(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), std::streamsize(bytes.size()));
    return in ? bytes : "<unreadable>";
}

inline bool writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out.flush());
}

// Every name in the folder, hidden ones included (a save's temporary is hidden).
inline QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

} // namespace faultfiles
