#pragma once
// A fault in the fixtures or the target folder. The message says what is
// wrong and where ("m206-families.csv line 12: ..."), for the person who
// edits the fixtures or runs the tool.

#include <stdexcept>
#include <string>

namespace zelto::demodata {

struct DemoError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace zelto::demodata
