#pragma once
// The open work areas of one program instance, by alias, in one data folder.
// File names are found there without regard to case; new files get lower
// case names.

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xbase/table.hpp"

namespace zelto::xbase {

struct WorkspaceOptions {
  std::filesystem::path folder = ".";
  bool hide_deleted = true;  // deleted records are invisible to reads, seeks and skips
  Notice notice;             // repairs and rebuilds are reported here
};

class Workspace {
 public:
  explicit Workspace(WorkspaceOptions options = {});
  ~Workspace();

  const std::filesystem::path& folder() const { return options_.folder; }
  // Later opens resolve their names in this folder; open tables stay open.
  void set_folder(std::filesystem::path folder) { options_.folder = std::move(folder); }
  const Notice& notice() const { return options_.notice; }

  // Opens `file` (".dbf" may be left out) under `alias` with these orders,
  // building index files that are missing. The alias must not be in use.
  // The first order becomes current. When the table's header had to be
  // repaired (a process died while appending), every order is checked
  // against the records and rebuilt if it disagrees.
  Table& use(std::string_view file, std::string_view alias, OpenMode mode, const std::vector<OrderSpec>& orders = {});

  // Writes a new empty table (and its memo file when it has memo fields);
  // an existing file of that name is replaced.
  void create(std::string_view file, std::vector<FieldDef> fields);

  // A table that lives in memory only and vanishes when closed, with one
  // order per key expression.
  Table& create_temp(std::string_view alias, std::vector<FieldDef> fields, const std::vector<std::string>& keys = {});

  Table* find(std::string_view alias);
  Table& area(std::string_view alias);  // Error(NotFound) when not open
  bool is_open(std::string_view alias) const;
  std::vector<std::string> aliases() const;

  void select(std::string_view alias);
  Table& current();
  bool has_current() const { return !current_.empty(); }

  void close(std::string_view alias);
  void close_all();
  void commit_all();

  // The path `name` has in the folder (found in any case, or lower case).
  std::filesystem::path path_of(std::string_view name) const;

 private:
  static std::string key(std::string_view alias);

  WorkspaceOptions options_;
  std::map<std::string, std::unique_ptr<Table>> areas_;
  std::string current_;
};

}  // namespace zelto::xbase
