#pragma once

#include "qt/app/MessagePresenter.h"

#include <QList>
#include <QString>

// Records the message boxes the error report would show.
class RecordingPresenter : public app::MessagePresenter {
public:
    struct Box {
        QString caption;
        QString text;
        bool warning = false;
    };
    QList<Box> boxes;

    void showStop(const QString& caption, const QString& text) override { boxes.append({caption, text}); }
    void showWarning(const QString& caption, const QString& text) override {
        boxes.append({caption, text, true});
    }
};
