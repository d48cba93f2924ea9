#pragma once
// The programs' standard output: written to descriptor 1 through a buffer of
// their own, so that a closed pipe is told apart from other write errors. A
// closed pipe (EPIPE) ends the program as it ends the shell's own tools
// (yes | head -1): no message, SIGPIPE at its default action, raised, so the
// shell sees 128 + 13. Any other write error (a full disk) fails the stream,
// which FinishOutput reports.

#include <streambuf>

namespace vantrel::cli {

class StandardOutputBuffer : public std::streambuf {
  public:
    StandardOutputBuffer();
    ~StandardOutputBuffer() override;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    int sync() override;

  private:
    bool Drain();
    bool WriteAll(const char* data, std::streamsize count);

    char buffer_[1 << 16];
};

// Ends the program as an unhandled SIGPIPE does.
[[noreturn]] void EndByClosedPipe();

}  // namespace vantrel::cli
