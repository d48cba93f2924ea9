#include "project_file.h"

namespace vantrel {

std::string OpenFailurePrompt(const std::string& path) {
    return "Unable to open and read \"" + path + "\" ";
}

std::string SaveFailurePrompt(const std::string& path) {
    return "Unable to save file to \"" + path + "\" ";
}

std::string FailureTitle(int error) {
    return "Error: " + std::to_string(error);
}

std::string FailureReason(int error) {
    switch (error) {
        case kOpenCannotOpen:
            return "the file is missing or cannot be opened";
        case kOpenReadFailed:
            return "the file cannot be read";
        case kOpenNotRegularFile:
            return "not a regular file";
        case kSaveTextNotUtf8:
            return "a text is not valid UTF-8";
        case kSaveTextTooLong:
            return "a text is longer than 1 MiB";
        case kSaveCannotCreate:
            return "the file cannot be created in its folder";
        case kSaveWriteFailed:
            return "writing failed (disk full or file size limit?)";
        case kSaveReplaceFailed:
            return "the new file cannot replace the old one";
        case kSaveTargetReadOnly:
            return "the file is read-only";
        case kSaveNotRegularFile:
            return "the target exists and is not a regular file";
        case kSaveLinkLoop:
            return "the target is a link that never reaches a file";
        case kSaveOwnerNotKept:
            return "the file's owner, group or mode cannot be kept";
        case kSaveLinkNotFollowed:
            return "the target is a link in a shared folder (sticky and writable by all, as "
                   "/tmp) owned by another user: it could lead anywhere, so it is not followed";
        default:
            return error > 1000 && error < 1300 ? "not a Vantrel project file, or damaged" : "";
    }
}

}  // namespace vantrel
