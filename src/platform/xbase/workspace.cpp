#include "platform/xbase/workspace.hpp"

#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"

namespace zelto::xbase {
namespace fs = std::filesystem;

namespace {

bool has_memo(const std::vector<FieldDef>& fields) {
  for (const auto& f : fields)
    if (f.type == FieldType::Memo) return true;
  return false;
}

fs::path with_extension(std::string_view name, const char* ext) {
  fs::path p{std::string(name)};
  if (p.extension().empty()) p += ext;
  return p;
}

}  // namespace

Workspace::Workspace(WorkspaceOptions options) : options_(std::move(options)) {}

Workspace::~Workspace() { close_all(); }

std::string Workspace::key(std::string_view alias) { return runtime::upper(runtime::trim(alias)); }

fs::path Workspace::path_of(std::string_view name) const {
  fs::path p{std::string(name)};
  fs::path dir = p.parent_path().empty() ? options_.folder : options_.folder / p.parent_path();
  return os::resolve(dir, p.filename().string());
}

Table& Workspace::use(std::string_view file, std::string_view alias, OpenMode mode,
                      const std::vector<OrderSpec>& orders) {
  const std::string k = key(alias);
  if (areas_.count(k)) throw Error(ErrorKind::Usage, "alias " + k + " is already in use");
  fs::path dbf_path = path_of(with_extension(file, ".dbf").string());
  if (!fs::exists(dbf_path)) throw Error(ErrorKind::NotFound, "table not found: " + dbf_path.string());

  bool repaired = false;
  Notice notice = [&](const std::string& message) {
    repaired = true;
    if (options_.notice) options_.notice(message);
  };
  Table::Parts parts;
  parts.name = dbf_path.filename().string();
  parts.dbf = DbfFile::open(open_file_storage(dbf_path), mode == OpenMode::Exclusive, notice);
  if (parts.dbf->has_memo()) {
    fs::path dbt = dbf_path;
    dbt.replace_extension(".dbt");
    dbt = os::resolve(dbt.parent_path(), dbt.filename().string());
    if (!fs::exists(dbt)) throw Error(ErrorKind::NotFound, "memo file not found: " + dbt.string());
    parts.memo = MemoFile::open(open_file_storage(dbt), options_.notice);
  }
  auto table = std::make_unique<Table>(k, std::move(parts), options_.hide_deleted, options_.notice);
  for (const auto& def : orders) {
    fs::path index = path_of(with_extension(def.file, ".ntx").string());
    table->add_order(index, def.key);
  }
  if (repaired && table->order_count() > 0) {
    std::vector<std::string> problems = table->check_orders();
    if (!problems.empty()) {
      if (options_.notice) options_.notice(table->name() + ": indexes disagree with the records after a repair; rebuilt");
      table->reindex();
    }
  }
  if (table->order_count() > 0) table->set_order(1);
  table->go_top();
  Table& ref = *table;
  areas_[k] = std::move(table);
  current_ = k;
  return ref;
}

void Workspace::create(std::string_view file, std::vector<FieldDef> fields) {
  fs::path dbf_path = path_of(with_extension(file, ".dbf").string());
  bool memo = has_memo(fields);
  DbfFile::create(open_file_storage(dbf_path, FileOpen{true, true}), std::move(fields), true);
  if (memo) {
    fs::path dbt = dbf_path;
    dbt.replace_extension(".dbt");
    MemoFile::create(open_file_storage(os::resolve(dbt.parent_path(), dbt.filename().string()), FileOpen{true, true, true}));
  }
}

Table& Workspace::create_temp(std::string_view alias, std::vector<FieldDef> fields,
                              const std::vector<std::string>& keys) {
  const std::string k = key(alias);
  if (areas_.count(k)) throw Error(ErrorKind::Usage, "alias " + k + " is already in use");
  bool memo = has_memo(fields);
  Table::Parts parts;
  parts.name = k;
  parts.temporary = true;
  parts.dbf = DbfFile::create(make_memory_storage(k + ".dbf"), std::move(fields), true);
  if (memo) parts.memo = MemoFile::create(make_memory_storage(k + ".dbt"));
  auto table = std::make_unique<Table>(k, std::move(parts), options_.hide_deleted, options_.notice);
  for (const auto& expr : keys) table->add_memory_order(expr, expr);
  if (table->order_count() > 0) table->set_order(1);
  table->go_top();
  Table& ref = *table;
  areas_[k] = std::move(table);
  current_ = k;
  return ref;
}

Table* Workspace::find(std::string_view alias) {
  auto it = areas_.find(key(alias));
  return it == areas_.end() ? nullptr : it->second.get();
}

Table& Workspace::area(std::string_view alias) {
  if (Table* t = find(alias)) return *t;
  throw Error(ErrorKind::NotFound, "no table open as " + key(alias));
}

bool Workspace::is_open(std::string_view alias) const { return areas_.count(key(alias)) > 0; }

std::vector<std::string> Workspace::aliases() const {
  std::vector<std::string> out;
  for (const auto& [k, t] : areas_) out.push_back(k);
  return out;
}

void Workspace::select(std::string_view alias) {
  const std::string k = key(alias);
  if (!areas_.count(k)) throw Error(ErrorKind::NotFound, "no table open as " + k);
  current_ = k;
}

Table& Workspace::current() {
  if (current_.empty()) throw Error(ErrorKind::Usage, "no work area selected");
  return area(current_);
}

void Workspace::close(std::string_view alias) {
  const std::string k = key(alias);
  areas_.erase(k);
  if (current_ == k) current_.clear();
}

void Workspace::close_all() {
  areas_.clear();
  current_.clear();
}

void Workspace::commit_all() {
  for (auto& [k, t] : areas_) t->commit();
}

}  // namespace zelto::xbase
