#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace platform {

// Tells when the installed fonts changed. Fontconfig has no notification of its
// own and Qt's font database signal does not fire for system installs, so this
// watches fontconfig's font folders; a burst of changes (a package install)
// becomes one reload of fontconfig and one fontsChanged().
class FontChangeWatcher : public QObject {
    Q_OBJECT

public:
    static FontChangeWatcher* instance();

    // Reloads fontconfig and announces the change now (tests, or a caller that
    // knows fonts changed).
    void notifyFontsChanged();

signals:
    void fontsChanged();

private:
    FontChangeWatcher();
    void watchFontDirectories();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

} // namespace platform
