#include "ui/MainDialogs.h"

namespace ui {

FileDialogRequest openDialogRequest(const std::string& fileName) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = "Open European File";
    request.filters = {{"Ludovane 99/00 Config  (euro.cfg)", "euro.cfg"}, {"Config Files (*.cfg)", "*.cfg"}};
    request.filterIndex = 0;
    request.fileName = fileName;
    request.mustExist = false;
    return request;
}

FileDialogRequest saveDialogRequest(const std::string& fileName) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.filters = {{"Ludovane 99/00 Config (*.cfg)", "*.CFG"}, {"Text File (*.txt)", "*.TXT"}};
    request.filterIndex = 0;
    request.fileName = fileName;
    request.confirmOverwrite = false;
    return request;
}

} // namespace ui
