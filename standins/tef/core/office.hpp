#pragma once
// The three managers of one data folder, polled together.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tef/core/manager.hpp"

namespace zelto::tefsim {

class Office {
 public:
  explicit Office(const std::filesystem::path& data_folder);
  void poll(std::int64_t now_ms);
  // The first manager told to die, or none.
  const Manager* dead() const;
  Manager& manager(std::string_view code);

 private:
  std::vector<Manager> managers_;
};

}  // namespace zelto::tefsim
