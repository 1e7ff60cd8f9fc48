#include "platform/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

constexpr const char* kTemplateName = "templ.ate";

bool isFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString programDirectory() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}

} // namespace

std::string templatePath() {
    return templatePath(QFile::encodeName(programDirectory()).toStdString());
}

std::string templatePath(const std::string& programDir) {
    const QString name = QString::fromLatin1(kTemplateName);
    if (isFile(name))
        return kTemplateName;
    const QDir dir(QFile::decodeName(programDir.c_str()));
    for (const QString& candidate :
         {dir.filePath(name), dir.filePath(QStringLiteral("../share/vantorel/") + name)}) {
        if (!programDir.empty() && isFile(candidate))
            return QFile::encodeName(QDir::cleanPath(candidate)).toStdString();
    }
    return kTemplateName;
}

} // namespace platform
