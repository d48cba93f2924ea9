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

}  // namespace vantrel
