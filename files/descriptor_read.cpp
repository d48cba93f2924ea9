#include "descriptor_read.h"

#include <unistd.h>

#include <cerrno>

namespace vantrel {

bool AppendFromDescriptor(int fd, size_t count, std::vector<uint8_t>& out) {
    const size_t start = out.size();
    out.resize(start + count);
    size_t done = 0;
    while (done < count) {
        const ptrdiff_t got = ReadFromDescriptor(
            fd, reinterpret_cast<char*>(out.data() + start + done), count - done);
        if (got < 0) {
            out.resize(start + done);
            return false;
        }
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    out.resize(start + done);
    return true;
}

ptrdiff_t ReadFromDescriptor(int fd, char* buffer, size_t size) {
    for (;;) {
        const ssize_t got = read(fd, buffer, size);
        if (got >= 0 || errno != EINTR) return got;
    }
}

}  // namespace vantrel
