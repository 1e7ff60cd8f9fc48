#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes over QDesktopServices::openUrl for every scheme a link can name, so a
// test records what would have been opened and never starts a browser or a mail program.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder() {
        for (const QString& scheme : schemes())
            QDesktopServices::setUrlHandler(scheme, this, "handle");
    }
    ~UrlRecorder() override {
        for (const QString& scheme : schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void handle(const QUrl& url) { opened.append(url); }

private:
    static QStringList schemes() { return {"http", "https", "mailto", "file", "ftp"}; }
};
