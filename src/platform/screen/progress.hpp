#pragma once
// A progress meter with a text, open while a long pass runs; closing the
// object closes the meter.

#include "platform/screen/types.hpp"

namespace zelto::screen {

class Progress {
 public:
  virtual ~Progress() = default;
  virtual void set_text(const Text& text) = 0;
  virtual void set_total(long total) = 0;
  virtual void set_value(long value) = 0;
};

}  // namespace zelto::screen
