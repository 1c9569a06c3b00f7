#pragma once
// The one driving the screen gave up: a script playing the program headless
// met something it did not foresee. That is no failure of the program, so
// the program's handler of failed operations lets it pass on to the driver.

#include <stdexcept>

namespace zelto::screen {

class DriverError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zelto::screen
