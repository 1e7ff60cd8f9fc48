#include "qt/platform/FontChangeWatcher.h"

#include "qt/platform/FontEnumeration.h"

#include <QDir>
#include <QGuiApplication>

namespace platform {

namespace {
constexpr int kSettleMs = 50;
}

FontChangeWatcher* FontChangeWatcher::instance() {
    // Parented to the application so that it goes before the application does.
    static FontChangeWatcher* watcher = [] {
        auto* w = new FontChangeWatcher;
        w->setParent(QCoreApplication::instance());
        return w;
    }();
    return watcher;
}

FontChangeWatcher::FontChangeWatcher() {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &FontChangeWatcher::notifyFontsChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    // Fonts the application adds itself reach fontconfig through Qt.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::fontDatabaseChanged, this, &FontChangeWatcher::fontsChanged);
    watchFontDirectories();
}

void FontChangeWatcher::notifyFontsChanged() {
    // Fontconfig's own up-to-date check works in whole seconds and is throttled by
    // its rescan interval, so a change seen by the watcher always reloads.
    reloadFontConfiguration();
    watchFontDirectories();
    emit fontsChanged();
}

void FontChangeWatcher::watchFontDirectories() {
    QStringList wanted;
    for (const QString& dir : fontDirectories())
        if (QDir(dir).exists())
            wanted << dir;
    const QStringList watched = m_watcher.directories();
    QStringList added;
    for (const QString& dir : wanted)
        if (!watched.contains(dir))
            added << dir;
    if (!added.isEmpty())
        m_watcher.addPaths(added);
}

} // namespace platform
