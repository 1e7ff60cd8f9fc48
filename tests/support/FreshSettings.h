#pragma once

// Gives one test a settings store of its own: while it lives, XDG_CONFIG_HOME points at a new
// empty folder and the messages of the errors reported through the handler boundary are kept.

#include "core/Boundary.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <exception>

class FreshSettings {
public:
    FreshSettings() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        core::setErrorSink([this](std::exception_ptr error) {
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                m_errors << QString::fromUtf8(e.what());
            } catch (...) {
                m_errors << QStringLiteral("?");
            }
        });
    }
    ~FreshSettings() { core::setErrorSink({}); }
    FreshSettings(const FreshSettings&) = delete;
    FreshSettings& operator=(const FreshSettings&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    const QStringList& errors() const { return m_errors; }

private:
    QTemporaryDir m_dir;
    QStringList m_errors;
};
