#pragma once
// Reading an open descriptor, retrying a read a signal interrupted.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantrel {

// Appends up to count bytes to out (fewer at the end); false on an I/O error.
bool AppendFromDescriptor(int fd, size_t count, std::vector<uint8_t>& out);

// Up to size bytes into buffer: the count, 0 at the end, -1 on an error.
ptrdiff_t ReadFromDescriptor(int fd, char* buffer, size_t size);

}  // namespace vantrel
