#pragma once
// Temporary files that SIGTERM, SIGHUP or SIGINT would otherwise leave behind
// when they end the program in the middle of a write. The path is put in a
// fixed table before the file is created; the signal's handler, which only
// makes async-signal-safe calls, removes every path in the table, puts back
// the signal's previous action and raises the signal again. A signal the
// program ignores stays ignored. SIGKILL cannot be caught: its leftover
// keeps the temporary file's name (see safe_file.h).

#include <string>

namespace vantrel {

class TemporaryFileGuard {
  public:
    // Registers path (and installs the handlers, once per process). With the
    // table full the file is written unguarded.
    explicit TemporaryFileGuard(const std::string& path);
    // Unregisters: call once the file is renamed or removed.
    ~TemporaryFileGuard();
    TemporaryFileGuard(const TemporaryFileGuard&) = delete;
    TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;

  private:
    int slot_ = -1;
};

}  // namespace vantrel
