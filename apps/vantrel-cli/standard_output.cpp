#include "standard_output.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace vantrel::cli {

void EndByClosedPipe() {
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigprocmask(SIG_UNBLOCK, &pipe, nullptr);
    std::raise(SIGPIPE);
    _exit(128 + SIGPIPE);  // never reached: the default action ends the program
}

StandardOutputBuffer::StandardOutputBuffer() {
    setp(buffer_, buffer_ + sizeof buffer_);
}

StandardOutputBuffer::~StandardOutputBuffer() {
    Drain();
}

bool StandardOutputBuffer::WriteAll(const char* data, std::streamsize count) {
    while (count > 0) {
        const ssize_t wrote = write(STDOUT_FILENO, data, static_cast<size_t>(count));
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0 && errno == EPIPE) EndByClosedPipe();
        if (wrote <= 0) return false;
        data += wrote;
        count -= wrote;
    }
    return true;
}

bool StandardOutputBuffer::Drain() {
    const bool ok = WriteAll(pbase(), pptr() - pbase());
    setp(buffer_, buffer_ + sizeof buffer_);
    return ok;
}

StandardOutputBuffer::int_type StandardOutputBuffer::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize StandardOutputBuffer::xsputn(const char* data, std::streamsize count) {
    if (count <= epptr() - pptr()) {
        traits_type::copy(pptr(), data, static_cast<size_t>(count));
        pbump(static_cast<int>(count));
        return count;
    }
    if (!Drain() || !WriteAll(data, count)) return 0;
    return count;
}

int StandardOutputBuffer::sync() {
    return Drain() ? 0 : -1;
}

}  // namespace vantrel::cli
