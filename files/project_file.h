#pragma once
// .vtl project files: the 28 input texts of a design behind a 12-byte header.
// The byte layout is documented in docs/vtl-format.md.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/design_inputs.h"

namespace vantrel {

// Failure codes of reading and writing, shown in the message box title
// ("Error: " + number). Documented in docs/vtl-format.md.
enum ProjectFileError : int {
    kFileOk = 0,
    // (numbers defined by the files module)
};

struct ProjectReadResult {
    int error = 0;        // 0 on success
    DesignInputs inputs;  // complete only when error == 0
    bool ok() const { return error == 0; }
};

// The whole file content of a design: header and bag bytes.
std::vector<uint8_t> EncodeProject(const DesignInputs& inputs);

// Decodes a whole file content. On success the inputs are as opening puts
// them back: a missing name gives an empty text, FRAMETYPE is "SMRF" only for
// exactly "SMRF" (else "OMRF"), loads are formatted "0.000" and locations
// "0.00" unless not numeric. Bytes after the bag are ignored.
ProjectReadResult DecodeProject(std::span<const uint8_t> content);

// Reads and validates a whole file; nothing partial is ever returned.
ProjectReadResult ReadProjectFile(const std::string& path);

// Writes the file through a temporary file in the same folder renamed over
// the target, so a failure leaves any previous file intact. Returns 0 or an
// error number.
int WriteProjectFile(const std::string& path, const DesignInputs& inputs);

// The message box texts of a failure.
std::string OpenFailurePrompt(const std::string& path);  // "Unable to open and read \"p\" "
std::string SaveFailurePrompt(const std::string& path);  // "Unable to save file to \"p\" "
std::string FailureTitle(int error);                     // "Error: " + number

}  // namespace vantrel
