#pragma once
// Waiting goes through the caller's sleeper, so that a four-second message
// or a tone costs a test nothing and the real program keeps its windows
// painted while it waits.

#include <chrono>

namespace zelto::screen {

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace zelto::screen
