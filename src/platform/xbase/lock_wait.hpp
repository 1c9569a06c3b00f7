#pragma once
// Waiting for a lock another process holds: the system's byte-range locks
// are taken without blocking, so a wait is a series of attempts with short
// sleeps until the lock is ours or the caller's patience has run out.

#include <algorithm>
#include <chrono>
#include <thread>

namespace zelto::xbase {

template <class TryLock>
bool wait_for_lock(int wait_ms, TryLock&& try_lock) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(wait_ms, 0));
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    if (try_lock()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::milliseconds(20));
  }
}

}  // namespace zelto::xbase
