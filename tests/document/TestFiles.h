#pragma once

// Small file helpers shared by the document tests.

#include <QDir>
#include <QFile>
#include <QString>

#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testfiles {

inline std::string readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    const QByteArray data = f.readAll();
    return std::string(data.constData(), std::size_t(data.size()));
}

inline bool writeBytes(const QString& path, const std::string& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

inline std::string local(const QString& path) {
    return path.toStdString();
}

// Names in a folder, hidden ones included (the temporaries of a save are hidden).
inline QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

// Runs `body` in a forked child and gives its exit status (or -1 if it did not exit).
// The child must not use the test framework; it reports through its exit status.
inline int inChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace testfiles
