#pragma once

#include "document/ConfigBuffer.h"
#include "ui/FileDialogRequest.h"
#include "ui/MainWindowView.h"

#include <string>

namespace ui {

// The main window's document and the step lists of its file commands, its country view and
// Apply Changes, over the front end's view. It owns the config buffer (the design's hidden
// text control Memo1), the document path and the Open dialog's file name.
class MainWindowSteps {
public:
    explicit MainWindowSteps(MainWindowView& view);

    // New (SpeedItem5Click): an empty document from the template, England selected with empty
    // fields; the editing state is reached before the template loads.
    void newDocument();
    // Open (SpeedItem1Click): asks the Open dialog, then opens the chosen file.
    void open();
    // Open's steps once a path is chosen (also for a file named on the command line): the file
    // becomes the document when it loads; otherwise only the dialog's next file name has
    // changed, and the error is raised.
    void openFile(const std::string& path);
    // Save (SpeedItem2Click): straight to the document path when that file exists, else through
    // the Save dialog, whose choice becomes the document path.
    void save();
    // The country view (ListBox1Click): the selected row's caption in the label, its place
    // lines in its fields, the other fields hidden.
    void showSelectedCountry();
    // Apply Changes (SpeedButton1Click): the fields of the country the label names go back to
    // their lines.
    void applyChanges();

    const document::ConfigBuffer& buffer() const { return m_buffer; }
    // The file that Save writes to without asking (the Save dialog's file name).
    const std::string& documentPath() const { return m_documentPath; }
    // The Open dialog's initial file name.
    const std::string& openFileName() const { return m_openFileName; }

    FileDialogRequest openDialogRequest() const;
    FileDialogRequest saveDialogRequest() const;

private:
    MainWindowView& m_view;
    document::ConfigBuffer m_buffer;
    std::string m_documentPath;
    std::string m_openFileName;
};

} // namespace ui
