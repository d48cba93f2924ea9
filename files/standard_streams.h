#pragma once
// "-" as a file name: standard input or standard output, as POSIX tools take
// it, and the questions a command asks about its input and output files.

#include <cstdint>
#include <string>
#include <vector>

#include "descriptor_read.h"

namespace vantrel {

inline constexpr const char* kStandardStreamName = "-";

// True when path names descriptor 1: "-", or a file (links followed, as in
// /dev/stdout and /dev/fd/1) whose device and inode are descriptor 1's.
// Such an output is written straight to standard output, never replaced
// through a temporary file.
bool NamesStandardOutput(const std::string& path);

// True when output would write to the file input names: the same device and
// inode, links followed. An output naming descriptor 1 is descriptor 1's
// file; an input "-" (standard input) is never compared.
bool IsSameFile(const std::string& input, const std::string& output);

// Reads from an open descriptor (standard input), bounded by the caller as a
// file is: Read appends up to count bytes to out, fewer at the end; false on
// an I/O error.
class DescriptorReader {
  public:
    explicit DescriptorReader(int fd) : fd_(fd) {}
    bool Read(size_t count, std::vector<uint8_t>& out) {
        return AppendFromDescriptor(fd_, count, out);
    }
    // Up to size bytes into buffer: the count, 0 at the end, -1 on an error.
    ptrdiff_t ReadSome(char* buffer, size_t size) { return ReadFromDescriptor(fd_, buffer, size); }

  private:
    int fd_;
};

}  // namespace vantrel
