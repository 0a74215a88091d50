#include "base/platform.h"

namespace orv {

FileDialogRequest fileDialogRequest(FileDialogUse use, const QString& folder, const QString& filter,
                                    const QString& fileName) {
    FileDialogRequest request;
    request.initialFolder = folder;
    request.filter = filter;
    request.fileName = fileName;
    request.fileMustExist = use == FileDialogUse::Open;
    request.confirmOverwrite = use == FileDialogUse::Save;
    request.noChangeDir = use != FileDialogUse::Locate;
    return request;
}

} // namespace orv
