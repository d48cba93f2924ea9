#pragma once
// .vtl project files: the 30 input texts of a design behind a 12-byte header.
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

    // Opening: reaching the bytes.
    kOpenCannotOpen = 1001,      // missing, no permission
    kOpenReadFailed = 1002,      // an I/O error while reading
    kOpenNotRegularFile = 1003,  // a folder, FIFO, device or socket: never opened for reading

    // Opening: the 12-byte header.
    kOpenHeaderTruncated = 1101,  // fewer than 12 bytes
    kOpenWrongTypeTag = 1102,     // not 0x2011
    kOpenWrongDimensions = 1103,  // not 1
    kOpenWrongLowerBound = 1104,  // not 0
    kOpenBagTooLarge = 1105,      // N beyond kMaxBagBytes
    kOpenBagTruncated = 1106,     // fewer than N bytes after the header

    // Opening: the bag bytes.
    kOpenBagSignature = 1201,      // not "VTLB"
    kOpenBagVersion = 1202,        // a version this program does not read
    kOpenBagChecksum = 1203,       // CRC-32 mismatch: damaged
    kOpenBagShort = 1204,          // shorter than the smallest bag
    kOpenTooManyEntries = 1205,    // entry count beyond kMaxBagEntries
    kOpenEntryTruncated = 1206,    // an entry runs into the checksum
    kOpenBadName = 1207,           // empty, too long or not [A-Za-z0-9_]
    kOpenDuplicateName = 1208,     // a name appears twice
    kOpenValueTooLong = 1209,      // a value beyond kMaxValueBytes
    kOpenValueNotUtf8 = 1210,      // a value is not well-formed UTF-8
    kOpenBagTrailingBytes = 1211,  // bytes between the last entry and the checksum

    // Saving.
    kSaveTextNotUtf8 = 2001,      // an input text is not well-formed UTF-8
    kSaveTextTooLong = 2002,      // an input text beyond kMaxValueBytes
    kSaveCannotCreate = 2101,     // the temporary file cannot be created
    kSaveWriteFailed = 2102,      // writing or flushing the temporary file failed
    kSaveReplaceFailed = 2103,    // renaming it over the target failed
    kSaveTargetReadOnly = 2104,   // the file to replace is read-only or not writable
    kSaveNotRegularFile = 2105,   // the target is a folder, FIFO, device or socket
    kSaveLinkLoop = 2106,         // the target is a link that never reaches a file
    kSaveOwnerNotKept = 2107,     // the target's owner or group cannot be kept
    kSaveLinkNotFollowed = 2108,  // another user's link in a sticky world-writable folder
};

// Limits of the format. A reader refuses anything beyond them before it
// allocates, so no file can make it ask for more than kMaxBagBytes.
inline constexpr uint32_t kMaxBagBytes = 32u << 20;   // 32 MiB
inline constexpr uint32_t kMaxValueBytes = 1u << 20;  // 1 MiB per text
inline constexpr uint16_t kMaxBagEntries = 64;
inline constexpr uint16_t kMaxNameBytes = 64;

struct ProjectReadResult {
    int error = 0;        // 0 on success
    DesignInputs inputs;  // complete only when error == 0
    bool ok() const { return error == 0; }
};

// The whole file content of a design: header and bag bytes. The texts must
// pass CheckSavable; WriteProjectFile checks that before encoding.
std::vector<uint8_t> EncodeProject(const DesignInputs& inputs);

// 0 when every text can be saved and read back; else kSaveTextNotUtf8 or
// kSaveTextTooLong, so a save never writes a file that opening would refuse.
int CheckSavable(const DesignInputs& inputs);

// Decodes a whole file content. On success the inputs are as opening puts
// them back: a missing name gives an empty text, FRAMETYPE is "SMRF" only for
// exactly "SMRF" (else "OMRF"), loads are formatted "0.000" and locations
// "0.00" unless not numeric. Bytes after the bag are ignored.
ProjectReadResult DecodeProject(std::span<const uint8_t> content);

// Reads and validates a whole file; nothing partial is ever returned. Reads
// at most 12 + N bytes, whatever the file's size.
ProjectReadResult ReadProjectFile(const std::string& path);
// The same from an open descriptor (standard input), bounded alike.
ProjectReadResult ReadProjectStream(int fd);

// Writes the file as ReplaceFileContent does (safe_file.h): whole or not at
// all, never over anything but a regular file. Returns 0 or an error number.
int WriteProjectFile(const std::string& path, const DesignInputs& inputs);

// The message box texts of a failure.
std::string OpenFailurePrompt(const std::string& path);  // "Unable to open and read \"p\" "
std::string SaveFailurePrompt(const std::string& path);  // "Unable to save file to \"p\" "
std::string FailureTitle(int error);                     // "Error: " + number
// What went wrong, in a few words ("the target is not a regular file").
std::string FailureReason(int error);

}  // namespace vantrel
