#include "demo_folder.hpp"

#include <system_error>
#include <vector>

#include "demo_error.hpp"
#include "fixture_rows.hpp"
#include "item_families.hpp"
#include "operator_rights.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/workspace.hpp"
#include "references.hpp"
#include "store/catalogue.hpp"
#include "store/lookup.hpp"
#include "store/seal_record.hpp"
#include "table_writer.hpp"
#include "tax_codes.hpp"

namespace zelto::demodata {

namespace fs = std::filesystem;

namespace {

constexpr const char* kScratch = ".zeltoecf-demodata-partial";
constexpr const char* kFamilies = "m206-families.csv";
// The data is installed by the maker's service operator.
constexpr const char* kInstaller = "ZEL";
constexpr const char* kTableFiles[] = {"*.dbf", "*.dbt", "*.ntx"};

void refuse_a_data_folder(const fs::path& dir) {
  std::error_code ec;
  if (!fs::exists(dir, ec)) return;
  if (!fs::is_directory(dir, ec)) throw DemoError(dir.string() + " is not a folder");
  std::vector<std::string> found;
  for (const char* pattern : kTableFiles)
    for (const auto& p : os::list_matching(dir, pattern)) found.push_back(p.filename().string());
  if (found.empty()) return;
  std::string names;
  for (size_t i = 0; i < found.size() && i < 3; ++i) names += (i ? ", " : "") + found[i];
  if (found.size() > 3) names += " ...";
  throw DemoError(dir.string() + " already holds tables (" + names +
                  "); the demo data goes into a folder without tables, so that nothing is overwritten");
}

std::vector<FixtureRow>& rows(DataSet& data, const char* alias) { return data[alias]; }

void require_fixtures(const DataSet& data) {
  // Start-up, login and the first sale need these.
  for (const char* alias : {"CO", "CG", "NV", "US", "UN", "CL", "UD", "ST", "IE", "A1"}) {
    auto it = data.find(alias);
    if (it == data.end() || it->second.empty())
      throw DemoError("no records for " + std::string(store::find_entry(alias)->file()) + " (alias " + alias +
                      "): its fixture is missing or empty");
  }
  for (const char* alias : {"CO", "CG", "NV"})
    if (data.at(alias).size() != 1)
      throw DemoError(std::string(store::find_entry(alias)->file()) + " holds one record; its fixture gives " +
                      std::to_string(data.at(alias).size()));
  bool service_operator = false;
  for (const FixtureRow& op : data.at("US")) service_operator |= runtime::prefix_equal(op.get("C001"), kInstaller);
  if (!service_operator)
    throw DemoError(std::string("m001.csv has no operator ") + kInstaller + ": start-up refuses such a folder");
}

void give_items_their_tax_codes(std::vector<FixtureRow>& items, const DataSet& data) {
  const TaxCodes tax(data.at("IE"), data.at("A1"));
  for (FixtureRow& item : items) {
    const std::string situation = item.get("C100");
    auto code = tax.for_situation(situation);
    if (!code)
      throw DemoError(item.where() + ": the tax situation \"" + situation +
                      "\" leads to no ECF rate (its ICMS sale entry in m214.csv, that entry's rate in m370.csv): "
                      "the sale would refuse the item");
    item.set("TRIBUTACAO", *code);
  }
}

DataSet load(const FixtureSource& fixtures, const runtime::Date& today) {
  DataSet data;
  std::vector<FixtureRow> families;
  bool have_families = false;
  for (const std::string& name : fixtures.names()) {
    std::vector<FixtureRow> read = read_fixture(name, fixtures.text(name));
    if (name == kFamilies) {
      families = std::move(read);
      have_families = true;
      continue;
    }
    const auto* entry = store::find_entry_by_file(name.substr(0, name.size() - 4));
    if (!entry) throw DemoError(name + " names no table of the checkout's catalogue");
    if (entry->alias() == "IT") throw DemoError(name + ": the items are written as families, in " + kFamilies);
    data[std::string(entry->alias())] = std::move(read);
  }
  if (!have_families) throw DemoError(std::string("the items fixture ") + kFamilies + " is missing");
  require_fixtures(data);

  store_passwords(rows(data, "US"));
  rows(data, "UM") = operator_rights(data);
  std::vector<FixtureRow> items = expand_families(families, today);
  give_items_their_tax_codes(items, data);
  rows(data, "IT") = std::move(items);
  check_references(data);
  return data;
}

void write_tables(const fs::path& folder, const DataSet& data, const WriteStamp& stamp, DemoSummary& summary) {
  xbase::WorkspaceOptions options;
  options.folder = folder;
  xbase::Workspace ws(options);
  for (const auto& entry : store::front_end_catalogue()) {
    ws.create(entry.file(), store::field_defs(*entry.table));
    auto it = data.find(std::string(entry.alias()));
    if (it == data.end() || it->second.empty()) continue;
    xbase::Table& table = ws.use(entry.file(), "FILL", xbase::OpenMode::Exclusive);
    write_rows(table, it->second, stamp);
    if (const store::SealedTable* sealed = store::find_sealed_table(entry.alias()))
      for (table.go_top(); !table.eof(); table.skip()) store::write_seal(table, *sealed);
    ws.close("FILL");
    summary.records[std::string(entry.alias())] = it->second.size();
  }
  // The program's own opening pass: every table under its alias and mode
  // with its orders, which builds each index file from the records.
  for (const auto& entry : store::front_end_catalogue()) {
    ws.use(entry.file(), entry.alias(), entry.mode, store::order_specs(entry));
    ++summary.tables;
    summary.index_files += entry.orders.size();
  }
  ws.close_all();
}

// Moves the finished files in; on a failure takes back those already moved
// (the folder held no table files, so every one of them is ours).
void move_into(const fs::path& scratch, const fs::path& dir) {
  std::vector<fs::path> moved;
  try {
    for (const auto& entry : fs::directory_iterator(scratch)) {
      const fs::path target = dir / entry.path().filename();
      fs::rename(entry.path(), target);
      moved.push_back(target);
    }
  } catch (const fs::filesystem_error& e) {
    std::error_code ignored;
    for (const auto& p : moved) fs::remove(p, ignored);
    throw DemoError(std::string("cannot move the tables into place: ") + e.what());
  }
}

}  // namespace

DemoSummary make_demo_folder(const fs::path& dir, const FixtureSource& fixtures, const os::LocalTime& now) {
  refuse_a_data_folder(dir);
  DataSet data = load(fixtures, now.date);  // every fixture is read and checked before anything is written

  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) throw DemoError("cannot make the folder " + dir.string() + ": " + ec.message());
  const fs::path scratch = dir / kScratch;
  fs::remove_all(scratch, ec);  // left by a run that was killed
  if (!fs::create_directory(scratch, ec) || ec)
    throw DemoError("cannot make the scratch folder " + scratch.string() + ": " + ec.message());

  DemoSummary summary;
  try {
    write_tables(scratch, data, WriteStamp{kInstaller, now.date, now.hhmm()}, summary);
    move_into(scratch, dir);
  } catch (...) {
    fs::remove_all(scratch, ec);
    throw;
  }
  fs::remove_all(scratch, ec);
  return summary;
}

}  // namespace zelto::demodata
