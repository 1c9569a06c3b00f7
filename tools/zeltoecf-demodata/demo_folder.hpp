#pragma once
// A complete data folder for the checkout, made from the fixtures: every
// table of the front-end catalogue with its index files, filled with the
// demo shop's data.

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>

#include "fixture_source.hpp"
#include "platform/os/clock.hpp"

namespace zelto::demodata {

struct DemoSummary {
  size_t tables = 0;
  size_t index_files = 0;
  std::map<std::string, size_t> records;  // by alias, tables with records only
};

// Makes `dir` (and its parents) when missing. Refuses a folder that already
// holds table or index files, so that nothing of an existing data folder is
// overwritten. The tables are built in a scratch folder inside `dir` and
// moved in only when all of them are done, so a fault in the fixtures
// leaves `dir` as it was. Throws DemoError.
//
// Records of the sealed tables (items, the printer register) carry their
// seals, as if the program had written them.
DemoSummary make_demo_folder(const std::filesystem::path& dir, const FixtureSource& fixtures, const os::LocalTime& now);

}  // namespace zelto::demodata
