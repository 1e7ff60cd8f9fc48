#pragma once

#include "app/MessagePresenter.h"

#include <QList>
#include <QString>

// Records the message boxes the error report would show.
class RecordingPresenter : public app::MessagePresenter {
public:
    struct Box {
        QString caption;
        QString text;
    };
    QList<Box> boxes;

    void showStop(const QString& caption, const QString& text) override { boxes.append({caption, text}); }
};
