#pragma once
// Where the fixtures come from: the copies compiled into the program, or a
// folder named on the command line, to try fixtures being edited without a
// rebuild.

#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelto::demodata {

struct EmbeddedFixture {
  std::string_view name;  // "m001.csv"
  std::string_view text;  // UTF-8
};

// Generated at build time from fixtures/*.csv (embed_fixtures.cmake).
std::span<const EmbeddedFixture> embedded_fixtures();

class FixtureSource {
 public:
  static FixtureSource embedded();
  // Every *.csv of the folder. Throws DemoError when the folder cannot be
  // read or holds no fixture.
  static FixtureSource folder(const std::filesystem::path& dir);

  // File names in lower case, sorted.
  std::vector<std::string> names() const;
  const std::string& text(const std::string& name) const;

 private:
  std::map<std::string, std::string> texts_;
};

}  // namespace zelto::demodata
