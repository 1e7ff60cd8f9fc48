#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// One entry of a file dialog's type list: the text shown and the pattern it
// stands for (matched without regard to case).
struct FileFilter {
    QString label;
    QString pattern;

    bool operator==(const FileFilter&) const = default;
};

// How the main window asks for a file to open or to save to.
struct FileDialogRequest {
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    QString title; // empty: the platform's own title for the kind of dialog
    QList<FileFilter> filters;
    int filterIndex = 0;    // the entry selected at first
    QString fileName;       // the initial file name
    bool mustExist = false; // refuse a typed name of a missing file
    bool confirmOverwrite = false;
    QString defaultSuffix; // appended to a name typed without one; empty: used as typed
};

// The modal file dialogs, behind an interface that tests answer.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> execute(const FileDialogRequest& request, QWidget* parent) = 0;
};
