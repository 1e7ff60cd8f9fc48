#pragma once

#include <string>
#include <vector>

// How a window asks for a file to open or to save to, as data each front end's dialog adapter
// builds its native dialog from. Texts are the program's own ASCII; file names are in the
// platform's file-name bytes (UTF-8 on Windows, the local encoding elsewhere).
namespace ui {

// One entry of a dialog's type list: the text shown and the pattern it stands for (matched
// without regard to case).
struct FileFilter {
    std::string label;
    std::string pattern;

    bool operator==(const FileFilter&) const = default;
};

struct FileDialogRequest {
    enum class Kind { Open, Save };

    // The file-name buffer's size, its terminating NUL included: a chosen path has at most
    // one character less.
    static constexpr int kFileNameCapacity = 260;

    Kind kind = Kind::Open;
    std::string title; // empty: the platform's own title for the kind of dialog
    std::vector<FileFilter> filters;
    int filterIndex = 0;           // the entry selected at first, 0-based
    std::string fileName;          // the initial file name
    bool mustExist = false;        // refuse a typed name of a missing file
    bool confirmOverwrite = false; // ask before replacing an existing file
    bool hideReadOnly = true;      // no read-only check box
    std::string defaultSuffix;     // appended to a name typed without one; empty: used as typed

    bool operator==(const FileDialogRequest&) const = default;
};

// Where a dialog of that size goes on a screen: centred across, its top at a third of the
// height left free.
struct DialogPosition {
    int left = 0;
    int top = 0;
    bool operator==(const DialogPosition&) const = default;
};
constexpr DialogPosition dialogPosition(int screenLeft, int screenTop, int screenWidth, int screenHeight,
                                        int dialogWidth, int dialogHeight) {
    return {screenLeft + (screenWidth - dialogWidth) / 2, screenTop + (screenHeight - dialogHeight) / 3};
}

} // namespace ui
