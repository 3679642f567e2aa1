#include "model/temporary_files.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace morvane {

namespace {

// One export writes one file at a time, and the window saves a model or a
// log meanwhile at most: far more entries than files ever open together.
constexpr int kEntries = 16;

enum EntryState : int { kFree, kFilling, kLive };

struct Entry {
  std::atomic<int> State{kFree};
  char Path[PATH_MAX];
};

static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

Entry entries[kEntries];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void RemoveAndEnd(int signal) {
  RemoveTemporaries();
  // SA_RESETHAND has put the default action back; the signal stays blocked
  // until the handler returns and then ends the program with its own status.
  raise(signal);
}

int Remember(const std::string& path) {
  if (path.size() >= PATH_MAX) {
    return -1;
  }
  for (int ticket = 0; ticket < kEntries; ++ticket) {
    int expected = kFree;
    if (entries[ticket].State.compare_exchange_strong(expected, kFilling)) {
      std::memcpy(entries[ticket].Path, path.c_str(), path.size() + 1);
      entries[ticket].State.store(kLive);
      return ticket;
    }
  }
  return -1;
}

}  // namespace

int CreateTemporary(std::string& pattern, int& ticket) {
  sigset_t removing;
  sigset_t before;
  sigemptyset(&removing);
  for (const int signal : kSignals) {
    sigaddset(&removing, signal);
  }
  pthread_sigmask(SIG_BLOCK, &removing, &before);
  const int fd = mkostemp(pattern.data(), O_CLOEXEC);
  ticket = fd < 0 ? -1 : Remember(pattern);
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  return fd;
}

void ForgetTemporary(int ticket) {
  if (ticket >= 0 && ticket < kEntries) {
    entries[ticket].State.store(kFree);
  }
}

void RemoveTemporaries() {
  for (Entry& entry : entries) {
    if (entry.State.load() == kLive) {
      unlink(entry.Path);
    }
  }
}

void RemoveTemporariesOnSignals() {
  struct sigaction removing {};
  removing.sa_handler = RemoveAndEnd;
  removing.sa_flags = SA_RESETHAND;
  sigemptyset(&removing.sa_mask);
  for (const int signal : kSignals) {
    sigaddset(&removing.sa_mask, signal);
  }
  for (const int signal : kSignals) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
      sigaction(signal, &removing, nullptr);
    }
  }
}

}  // namespace morvane
