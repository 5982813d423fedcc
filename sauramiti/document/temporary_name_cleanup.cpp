#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>
#include <sauramiti/document/temporary_name_cleanup.hpp>

namespace sauramiti::document {

namespace {

// A slot is free, being filled (the handler skips it) or holds a name.
enum SlotState : int { kFree = 0, kFilling = 1, kHolding = 2 };

struct Slot {
  std::atomic<int> state{kFree};
  char path[4096] = {};
};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");

// A handful of saves at once is already far more than any host runs.
constexpr std::size_t kSlots = 16;
std::array<Slot, kSlots> slots;

struct sigaction previousInterrupt {};
struct sigaction previousTerminate {};
std::atomic<bool> handlersInstalled{false};

void RemoveRegisteredNames() noexcept {
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) == kHolding) ::unlink(slot.path);
  }
}

// Only async-signal-safe calls from here on.
extern "C" void RemoveNamesThenPassOn(int signal, siginfo_t* info, void* context) {
  RemoveRegisteredNames();
  struct sigaction& previous = signal == SIGINT ? previousInterrupt : previousTerminate;
  if ((previous.sa_flags & SA_SIGINFO) != 0) {
    if (previous.sa_sigaction != nullptr) previous.sa_sigaction(signal, info, context);
    return;
  }
  if (previous.sa_handler == SIG_DFL) {
    // The signal is blocked while this handler runs: it arrives again, with its default action
    // of ending the process, as soon as the handler returns.
    ::sigaction(signal, &previous, nullptr);
    ::raise(signal);
    return;
  }
  if (previous.sa_handler != SIG_IGN) previous.sa_handler(signal);
}

void InstallHandler(int signal, struct sigaction& previous) {
  struct sigaction action {};
  action.sa_sigaction = &RemoveNamesThenPassOn;
  action.sa_flags = SA_SIGINFO | SA_RESTART;
  sigemptyset(&action.sa_mask);
  if (::sigaction(signal, &action, &previous) != 0) return;
  // A signal the process ignores does not end it: leave it ignored.
  if ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler == SIG_IGN) {
    ::sigaction(signal, &previous, nullptr);
  }
}

void InstallHandlersOnce() {
  if (handlersInstalled.exchange(true)) return;
  InstallHandler(SIGINT, previousInterrupt);
  InstallHandler(SIGTERM, previousTerminate);
}

}  // namespace

RegisteredTemporaryName::RegisteredTemporaryName(const std::string& path) noexcept : slot_(-1) {
  if (path.size() >= sizeof(Slot::path)) return;
  InstallHandlersOnce();
  for (std::size_t i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!slots[i].state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(slots[i].path, path.c_str(), path.size() + 1);
    slots[i].state.store(kHolding, std::memory_order_release);
    slot_ = static_cast<int>(i);
    return;
  }
}

RegisteredTemporaryName::~RegisteredTemporaryName() {
  if (slot_ >= 0) slots[static_cast<std::size_t>(slot_)].state.store(kFree);
}

}  // namespace sauramiti::document
