#include "fixture_source.hpp"

#include <fstream>
#include <sstream>

#include "demo_error.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::demodata {

namespace fs = std::filesystem;

FixtureSource FixtureSource::embedded() {
  FixtureSource source;
  for (const auto& f : embedded_fixtures()) source.texts_[runtime::lower(f.name)] = std::string(f.text);
  return source;
}

FixtureSource FixtureSource::folder(const fs::path& dir) {
  FixtureSource source;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    const std::string name = runtime::lower(entry.path().filename().string());
    if (!entry.is_regular_file() || !name.ends_with(".csv")) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    if (!(in && text << in.rdbuf())) throw DemoError("cannot read the fixture " + entry.path().string());
    source.texts_[name] = text.str();
  }
  if (ec) throw DemoError("cannot read the fixture folder " + dir.string() + ": " + ec.message());
  if (source.texts_.empty()) throw DemoError("the fixture folder " + dir.string() + " holds no .csv file");
  return source;
}

std::vector<std::string> FixtureSource::names() const {
  std::vector<std::string> out;
  for (const auto& [name, text] : texts_) out.push_back(name);
  return out;
}

const std::string& FixtureSource::text(const std::string& name) const { return texts_.at(name); }

}  // namespace zelto::demodata
