#pragma once
// The real program's sleeper: waits while the windows go on painting, with
// the operator's input held back for the wait.

#include "platform/screen/sleeper.hpp"

namespace zelto::screen::qt {

class EventLoopSleeper : public Sleeper {
 public:
  void sleep(std::chrono::milliseconds duration) override;
};

}  // namespace zelto::screen::qt
