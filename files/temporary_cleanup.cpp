#include "temporary_cleanup.h"

#include <limits.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

namespace vantrel {
namespace {

enum SlotState : int { kFree, kFilling, kArmed };

struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX];
};

// Saves running at once: one per thread of a program at most, in practice.
constexpr size_t kSlots = 16;
constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

// Reached from the signal handler, so it cannot live in any object: the one
// table of the process.
std::array<Slot, kSlots> slots;
std::array<struct sigaction, kSignals.size()> previous;
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the states");

extern "C" void RemoveTemporaryFiles(int signal) {
    const int savedErrno = errno;
    for (Slot& slot : slots)
        if (slot.state.load(std::memory_order_acquire) == kArmed) unlink(slot.path);
    for (size_t i = 0; i < kSignals.size(); ++i)
        if (kSignals[i] == signal) sigaction(signal, &previous[i], nullptr);
    errno = savedErrno;
    // Delivered as soon as the handler returns, with the previous action.
    raise(signal);
}

void InstallHandlers() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_handler = RemoveTemporaryFiles;
        action.sa_flags = SA_RESTART;
        sigfillset(&action.sa_mask);
        for (size_t i = 0; i < kSignals.size(); ++i) {
            if (sigaction(kSignals[i], nullptr, &previous[i]) != 0) continue;
            if (previous[i].sa_handler == SIG_IGN) continue;
            sigaction(kSignals[i], &action, nullptr);
        }
    });
}

}  // namespace

TemporaryFileGuard::TemporaryFileGuard(const std::string& path) {
    InstallHandlers();
    if (path.size() >= PATH_MAX) return;
    for (size_t i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
        std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
        slots[i].state.store(kArmed, std::memory_order_release);
        slot_ = static_cast<int>(i);
        return;
    }
}

TemporaryFileGuard::~TemporaryFileGuard() {
    if (slot_ >= 0) slots[static_cast<size_t>(slot_)].state.store(kFree);
}

}  // namespace vantrel
