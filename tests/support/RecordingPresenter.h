#pragma once

#include "ui/MessagePresenter.h"

#include <QList>
#include <QString>

// Records the message boxes the error report would show.
class RecordingPresenter : public ui::MessagePresenter {
public:
    struct Box {
        QString caption;
        QString text;
        bool warning = false;
    };
    QList<Box> boxes;

    void showStop(const std::string& caption, const std::string& text) override {
        boxes.append({QString::fromStdString(caption), QString::fromStdString(text)});
    }
    void showWarning(const std::string& caption, const std::string& text) override {
        boxes.append({QString::fromStdString(caption), QString::fromStdString(text), true});
    }
};
