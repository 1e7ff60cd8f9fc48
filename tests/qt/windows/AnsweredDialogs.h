#pragma once

#include "qt/windows/FileDialogs.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

// File dialogs that tests answer: each call records the request and takes the
// next answer (a path, or nothing for Cancel). A call with no answer left cancels.
class AnsweredDialogs : public FileDialogs {
public:
    struct Log {
        QList<ui::FileDialogRequest> requests;
        QList<std::optional<QString>> answers;
    };

    explicit AnsweredDialogs(std::shared_ptr<Log> log)
        : m_log(std::move(log)) {}

    std::optional<QString> execute(const ui::FileDialogRequest& request, QWidget* /*parent*/) override {
        m_log->requests.append(request);
        if (m_log->answers.isEmpty())
            return std::nullopt;
        return m_log->answers.takeFirst();
    }

private:
    std::shared_ptr<Log> m_log;
};
