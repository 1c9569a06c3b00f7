// A table's index orders: attaching and building them, rebuilding a damaged
// one, checking them against the records, and the maintenance that rewrites
// the table (pack, zap).

#include <algorithm>

#include "platform/os/file_lookup.hpp"
#include "platform/xbase/table.hpp"
#include "platform/xbase/table_internal.hpp"

namespace zelto::xbase {
namespace fs = std::filesystem;

const std::string& Table::order_key(int order) const {
  if (order < 1 || order > order_count()) throw Error(ErrorKind::Usage, name_ + ": no order " + std::to_string(order));
  return orders_[static_cast<size_t>(order - 1)]->key_text;
}

const fs::path& Table::order_file(int order) const {
  if (order < 1 || order > order_count()) throw Error(ErrorKind::Usage, name_ + ": no order " + std::to_string(order));
  return orders_[static_cast<size_t>(order - 1)]->file;
}

// Every record's key in this order, deleted records included (they stay in
// the indexes and are hidden when read). Records are read in large blocks.
std::vector<IndexEntry> Table::scan_entries(const Order& o) {
  const uint32_t count = dbf_->record_count();
  const size_t len = dbf_->record_length();
  std::vector<IndexEntry> entries;
  entries.reserve(count);
  const size_t per_block = std::max<size_t>(1, (1u << 20) / len);
  std::string block;
  std::string record(len, ' ');
  for (uint32_t first = 1; first <= count; first += static_cast<uint32_t>(per_block)) {
    const uint32_t n = static_cast<uint32_t>(std::min<size_t>(per_block, count - first + 1));
    block.resize(n * len);
    read_exact(dbf_->storage(), dbf_->header_length() + static_cast<uint64_t>(first - 1) * len, block.data(),
               block.size());
    for (uint32_t i = 0; i < n; ++i) {
      record.assign(block, i * len, len);
      entries.push_back(IndexEntry{key_of(o, record), first + i});
    }
  }
  return entries;
}

int Table::add_order(const fs::path& file, std::string_view key) {
  flush();
  fs::path path = file;
  if (path.extension().empty()) path += ".ntx";
  path = os::resolve(path.parent_path(), path.filename().string());

  std::unique_ptr<NtxIndex> index;
  std::string damage;
  if (fs::exists(path)) {
    try {
      index = NtxIndex::open(open_file_storage(path), shared());
    } catch (const Error& e) {
      if (e.kind() != ErrorKind::Damaged || key.empty()) throw;
      damage = e.what();
    }
  }
  bool attached = false;
  if (index) {
    std::string expression = index->header().expression;
    KeyExpression expr = KeyExpression::compile(expression, fields(), name_);
    if (expr.key_size() == index->header().key_size) {
      orders_.push_back(std::make_unique<Order>(Order{path, expression, std::move(index), std::move(expr)}));
      attached = true;
    } else {
      damage = path.string() + ": key size " + std::to_string(index->header().key_size) + " but \"" + expression +
               "\" gives " + std::to_string(expr.key_size());
      if (key.empty()) throw Error(ErrorKind::Damaged, damage);
      index.reset();
    }
  }
  if (!attached) {
    if (key.empty())
      throw Error(ErrorKind::NotFound, name_ + ": index " + path.string() + " is missing and no key was given");
    KeyExpression expr = KeyExpression::compile(key, fields(), name_);
    auto o = std::make_unique<Order>(Order{path, std::string(key), nullptr, std::move(expr)});
    o->index = NtxIndex::create(open_file_storage(path, FileOpen{true, true, true}), o->key_text, o->expr.key_size(),
                                o->expr.key_decimals(), false, false, shared());
    o->index->build(scan_entries(*o));
    if (!damage.empty() && notice_) notice_(path.filename().string() + ": " + damage + "; rebuilt from " + name_);
    orders_.push_back(std::move(o));
  }
  if (order_ == 0 && orders_.size() == 1) {
    // The first order attached becomes the current one, as a fresh USE does.
    order_ = 1;
  }
  position_entry();
  return order_count();
}

int Table::add_memory_order(std::string_view tag, std::string_view key) {
  flush();
  KeyExpression expr = KeyExpression::compile(key, fields(), name_);
  auto o = std::make_unique<Order>(Order{fs::path(), std::string(key), nullptr, std::move(expr)});
  o->index = NtxIndex::create(make_memory_storage(std::string(tag)), o->key_text, o->expr.key_size(),
                              o->expr.key_decimals(), false, false, false);
  o->index->build(scan_entries(*o));
  orders_.push_back(std::move(o));
  if (order_ == 0 && orders_.size() == 1) order_ = 1;
  position_entry();
  return order_count();
}

void Table::clear_orders() {
  flush();
  orders_.clear();
  order_ = 0;
  entry_.reset();
}

void Table::rebuild_order(Order& o, const std::string& why) {
  std::vector<IndexEntry> entries = scan_entries(o);
  if (o.index) {
    // Rewriting every page in place keeps the file's handle (and any scan
    // holding it); only a file whose header is beyond use starts afresh.
    try {
      o.index->build(entries);
      if (!why.empty() && notice_) notice_(why + "; " + o.file.filename().string() + " rebuilt from " + name_);
      return;
    } catch (const Error& e) {
      if (e.kind() != ErrorKind::Damaged) throw;
    }
    retired_.push_back(std::move(o.index));
  }
  std::unique_ptr<Storage> storage =
      o.file.empty() ? make_memory_storage(o.key_text) : open_file_storage(o.file, FileOpen{true, true, true});
  o.index = NtxIndex::create(std::move(storage), o.key_text, o.expr.key_size(), o.expr.key_decimals(), false, false,
                             shared() && !o.file.empty());
  o.index->build(std::move(entries));
  if (!why.empty() && notice_) notice_(why + "; " + o.file.filename().string() + " rebuilt from " + name_);
}

Table::ScanHold::ScanHold(Table& table) {
  table.flush();
  if (table.order_ > 0) hold_.emplace(*table.orders_[static_cast<size_t>(table.order_ - 1)]->index);
}

void Table::reindex() {
  flush();
  for (auto& o : orders_) rebuild_order(*o, "");
  go_top();
}

std::vector<std::string> Table::check_orders() {
  flush();
  std::vector<std::string> problems;
  for (size_t i = 0; i < orders_.size(); ++i) {
    Order& o = *orders_[i];
    const std::string label = o.file.empty() ? o.key_text : o.file.filename().string();
    std::vector<IndexEntry> walked;
    try {
      walked = o.index->check();
    } catch (const Error& e) {
      problems.push_back(label + ": " + e.what());
      continue;
    }
    std::vector<IndexEntry> expected = scan_entries(o);
    std::sort(expected.begin(), expected.end(), [](const IndexEntry& a, const IndexEntry& b) {
      return a.key != b.key ? a.key < b.key : a.recno < b.recno;
    });
    if (walked.size() != expected.size()) {
      problems.push_back(label + ": " + std::to_string(walked.size()) + " entries, the table has " +
                         std::to_string(expected.size()) + " records");
    }
    size_t n = std::min(walked.size(), expected.size());
    for (size_t k = 0; k < n; ++k) {
      if (!(walked[k] == expected[k])) {
        problems.push_back(label + ": entry " + std::to_string(k + 1) + " is record " +
                           std::to_string(walked[k].recno) + " \"" + walked[k].key + "\", expected record " +
                           std::to_string(expected[k].recno) + " \"" + expected[k].key + "\"");
        break;
      }
    }
  }
  return problems;
}

void Table::pack() {
  require_exclusive("pack");
  flush();
  const uint32_t count = dbf_->record_count();
  uint32_t kept = 0;
  std::string record;
  for (uint32_t r = 1; r <= count; ++r) {
    dbf_->read_record(r, record);
    if (!record.empty() && record[0] == '*') continue;
    ++kept;
    if (kept != r) dbf_->write_record(kept, record);
  }
  dbf_->truncate_records(kept);
  reindex();
}

void Table::zap() {
  require_exclusive("zap");
  flush();
  dbf_->truncate_records(0);
  reindex();
}

void Table::copy_structure(const fs::path& file) const {
  fs::path path = file;
  if (path.extension().empty()) path += ".dbf";
  path = os::resolve(path.parent_path(), path.filename().string());
  std::vector<FieldDef> defs = fields();
  bool memo = false;
  for (auto& f : defs) {
    f.offset = 0;
    memo = memo || f.type == FieldType::Memo;
  }
  DbfFile::create(open_file_storage(path, FileOpen{true, true}), defs, true);
  if (memo) {
    fs::path dbt = path;
    dbt.replace_extension(".dbt");
    MemoFile::create(open_file_storage(os::resolve(dbt.parent_path(), dbt.filename().string()), FileOpen{true, true, true}));
  }
}

}  // namespace zelto::xbase
