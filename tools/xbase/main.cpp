// xbase: create, fill, inspect, index and check dBase tables from the shell.
// For support staff and for test fixtures. Errors are one line on stderr and
// a non-zero exit: 2 for a wrong command line, 1 for everything else.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "csv.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/workspace.hpp"
#include "value_text.hpp"

namespace fs = std::filesystem;
using namespace zelto;
using namespace zelto::xbase;

namespace {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

const char* kUsage =
    "usage:\n"
    "  xbase create TABLE FIELDS        fields as NAME,TYPE,LEN,DEC;... (types C N D L M)\n"
    "  xbase import TABLE FILE.csv [INDEXFILE...]\n"
    "                                   UTF-8 CSV whose first line names the fields; the\n"
    "                                   index files named are kept up to date (others go stale:\n"
    "                                   reindex them afterwards)\n"
    "  xbase dump TABLE                 UTF-8 CSV on stdout, deleted records left out\n"
    "  xbase struct TABLE               the fields and the record count\n"
    "  xbase index TABLE INDEXFILE KEY  build an index file with a key expression\n"
    "  xbase check INDEXFILE TABLE      compare an index with the table\n"
    "  xbase reindex TABLE INDEXFILE... rebuild index files from the table\n";

std::vector<FieldDef> parse_fields(const std::string& def) {
  std::vector<FieldDef> out;
  std::stringstream all(def);
  std::string item;
  while (std::getline(all, item, ';')) {
    if (runtime::trim(item).empty()) continue;
    std::vector<std::string> parts;
    std::stringstream one(item);
    std::string p;
    while (std::getline(one, p, ',')) parts.push_back(runtime::trim(p));
    if (parts.size() < 2 || parts.size() > 4 || parts[1].size() != 1)
      throw UsageError("field \"" + item + "\" is not NAME,TYPE,LEN,DEC");
    FieldDef f;
    f.name = runtime::upper(parts[0]);
    f.type = static_cast<FieldType>(runtime::upper(parts[1])[0]);
    auto number = [&](size_t i, int fallback) {
      if (i >= parts.size() || parts[i].empty()) return fallback;
      try {
        return std::stoi(parts[i]);
      } catch (...) {
        throw UsageError("field \"" + item + "\": \"" + parts[i] + "\" is not a number");
      }
    };
    int default_len = f.type == FieldType::Date ? 8 : f.type == FieldType::Logical ? 1 : f.type == FieldType::Memo ? 10 : 0;
    f.length = number(2, default_len);
    f.decimals = number(3, 0);
    validate(f);
    out.push_back(f);
  }
  if (out.empty()) throw UsageError("no fields given");
  return out;
}

WorkspaceOptions options() {
  WorkspaceOptions o;
  o.folder = ".";
  o.notice = [](const std::string& m) { std::cerr << "xbase: " << m << "\n"; };
  return o;
}

int cmd_create(const std::vector<std::string>& a) {
  if (a.size() != 2) throw UsageError("create needs TABLE and FIELDS");
  Workspace ws(options());
  ws.create(a[0], parse_fields(a[1]));
  return 0;
}

int cmd_import(const std::vector<std::string>& a) {
  if (a.size() < 2) throw UsageError("import needs TABLE and FILE.csv");
  std::ifstream in(a[1], std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + a[1]);
  Workspace ws(options());
  Table& t = ws.use(a[0], "IMPORT", OpenMode::Shared);
  for (size_t i = 2; i < a.size(); ++i) {
    fs::path file = ws.path_of(fs::path(a[i]).extension().empty() ? a[i] + ".ntx" : a[i]);
    if (!fs::exists(file)) throw std::runtime_error("index not found: " + file.string());
    t.add_order(file, "");
  }
  auto header = tools::read_csv_record(in);
  if (!header) return 0;
  std::vector<size_t> columns;
  for (const auto& name : *header) {
    int i = t.field_index(runtime::trim(name));
    if (i < 0) throw std::runtime_error(t.name() + " has no field " + name);
    columns.push_back(static_cast<size_t>(i));
  }
  long line = 1, added = 0;
  while (auto row = tools::read_csv_record(in)) {
    ++line;
    if (row->size() == 1 && (*row)[0].empty()) continue;  // blank line
    if (row->size() != columns.size())
      throw std::runtime_error(a[1] + " line " + std::to_string(line) + ": " + std::to_string(row->size()) +
                               " values for " + std::to_string(columns.size()) + " fields");
    std::vector<Value> values;
    for (size_t i = 0; i < columns.size(); ++i) {
      try {
        values.push_back(tools::value_from_text(t.fields()[columns[i]], (*row)[i]));
      } catch (const std::invalid_argument& e) {
        throw std::runtime_error(a[1] + " line " + std::to_string(line) + ": " + e.what());
      }
    }
    t.append_blank();
    for (size_t i = 0; i < columns.size(); ++i) t.put(t.fields()[columns[i]].name, values[i]);
    t.unlock();
    ++added;
  }
  t.commit();
  std::cerr << "xbase: " << added << " records added to " << t.name() << "\n";
  return 0;
}

int cmd_dump(const std::vector<std::string>& a) {
  if (a.size() != 1) throw UsageError("dump needs TABLE");
  Workspace ws(options());
  Table& t = ws.use(a[0], "DUMP", OpenMode::Shared);
  std::vector<std::string> names;
  for (const auto& f : t.fields()) names.push_back(f.name);
  tools::write_csv_record(std::cout, names);
  Table::ScanHold hold(t);
  for (t.go_top(); !t.eof(); t.skip()) {
    std::vector<std::string> row;
    for (size_t i = 0; i < t.fields().size(); ++i) row.push_back(tools::value_to_text(t.fields()[i], t.get(i)));
    tools::write_csv_record(std::cout, row);
  }
  return 0;
}

int cmd_struct(const std::vector<std::string>& a) {
  if (a.size() != 1) throw UsageError("struct needs TABLE");
  Workspace ws(options());
  Table& t = ws.use(a[0], "STRUCT", OpenMode::Shared);
  std::cout << t.name() << ": " << t.reccount() << " records\n";
  for (const auto& f : t.fields()) {
    std::cout << runtime::padr(f.name, 11) << static_cast<char>(f.type) << " " << f.length;
    if (f.type == FieldType::Numeric) std::cout << "," << f.decimals;
    std::cout << "\n";
  }
  return 0;
}

int cmd_index(const std::vector<std::string>& a) {
  if (a.size() != 3) throw UsageError("index needs TABLE, INDEXFILE and KEY");
  Workspace ws(options());
  Table& t = ws.use(a[0], "INDEX", OpenMode::Exclusive);
  fs::path file = ws.path_of(fs::path(a[1]).extension().empty() ? a[1] + ".ntx" : a[1]);
  if (fs::exists(file)) fs::remove(file);
  t.add_order(file, a[2]);
  return 0;
}

int cmd_check(const std::vector<std::string>& a) {
  if (a.size() != 2) throw UsageError("check needs INDEXFILE and TABLE");
  Workspace ws(options());
  Table& t = ws.use(a[1], "CHECK", OpenMode::Shared);
  fs::path file = ws.path_of(fs::path(a[0]).extension().empty() ? a[0] + ".ntx" : a[0]);
  if (!fs::exists(file)) throw std::runtime_error("index not found: " + file.string());
  try {
    t.add_order(file, "");
  } catch (const Error& e) {
    std::cout << file.filename().string() << ": " << e.what() << "\n";
    return 1;
  }
  auto problems = t.check_orders();
  for (const auto& p : problems) std::cout << p << "\n";
  if (problems.empty()) std::cout << file.filename().string() << ": " << t.reccount() << " records, index agrees\n";
  return problems.empty() ? 0 : 1;
}

int cmd_reindex(const std::vector<std::string>& a) {
  if (a.size() < 2) throw UsageError("reindex needs TABLE and at least one INDEXFILE");
  Workspace ws(options());
  Table& t = ws.use(a[0], "REINDEX", OpenMode::Exclusive);
  for (size_t i = 1; i < a.size(); ++i) {
    fs::path file = ws.path_of(fs::path(a[i]).extension().empty() ? a[i] + ".ntx" : a[i]);
    if (!fs::exists(file)) throw std::runtime_error("index not found: " + file.string());
    t.add_order(file, "");
  }
  t.reindex();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::cerr << "xbase: no command given\n" << kUsage;
    return 2;
  }
  const std::string cmd = args[0];
  args.erase(args.begin());
  try {
    if (cmd == "create") return cmd_create(args);
    if (cmd == "import") return cmd_import(args);
    if (cmd == "dump") return cmd_dump(args);
    if (cmd == "struct") return cmd_struct(args);
    if (cmd == "index") return cmd_index(args);
    if (cmd == "check") return cmd_check(args);
    if (cmd == "reindex") return cmd_reindex(args);
    throw UsageError("unknown command \"" + cmd + "\"");
  } catch (const UsageError& e) {
    std::cerr << "xbase: " << e.what() << "\n" << kUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "xbase: " << e.what() << "\n";
    return 1;
  }
}
