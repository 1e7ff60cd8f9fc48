#include "qt/platform/DataFiles.h"

#include "document/TemplateFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

QString programDirectory() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
}

} // namespace

std::string templatePath() {
    return document::templatePath(QFile::encodeName(programDirectory()).toStdString());
}

} // namespace platform
