#include "platform/xbase/table.hpp"

#include <cstring>

#include "platform/xbase/error.hpp"
#include "platform/xbase/lock_wait.hpp"
#include "platform/xbase/table_internal.hpp"

namespace zelto::xbase {

Table::Table(std::string alias, Parts parts, bool hide_deleted, Notice notice)
    : alias_(std::move(alias)),
      name_(std::move(parts.name)),
      dbf_(std::move(parts.dbf)),
      memo_(std::move(parts.memo)),
      hide_deleted_(hide_deleted),
      notice_(std::move(notice)),
      temporary_(parts.temporary) {
  buffer_.assign(dbf_->record_length(), ' ');
  go_top();
}

Table::~Table() {
  try {
    flush();
    unlock();
  } catch (...) {
    // A table closed while its files fail: nothing more can be saved here.
  }
}

// ---- fields

size_t Table::field_or_throw(std::string_view name) const {
  int i = field_index(name);
  if (i < 0) throw Error(ErrorKind::BadField, name_ + ": no field " + std::string(name));
  return static_cast<size_t>(i);
}

Value Table::decode(const std::string& record, size_t index) const {
  const FieldDef& f = fields()[index];
  std::string_view bytes(record.data() + f.offset, static_cast<size_t>(f.length));
  if (f.type != FieldType::Memo) return decode_field(f, bytes);
  uint32_t block = parse_memo_block(bytes);
  if (!memo_ || block == 0) return std::string();
  return memo_->read(block);
}

Value Table::get(size_t index) const {
  if (index >= fields().size()) throw Error(ErrorKind::BadField, name_ + ": no field number " + std::to_string(index));
  return decode(buffer_, index);
}

Value Table::get(std::string_view field) const { return get(field_or_throw(field)); }

namespace {
template <class T>
T typed(const Value& v, const std::string& table, std::string_view field, const char* kind) {
  if (const T* p = std::get_if<T>(&v)) return *p;
  throw Error(ErrorKind::BadField, table + ": field " + std::string(field) + " is not " + kind);
}
}  // namespace

std::string Table::text(std::string_view field) const { return typed<std::string>(get(field), name_, field, "text"); }
Decimal Table::number(std::string_view field) const { return typed<Decimal>(get(field), name_, field, "a number"); }
Date Table::date(std::string_view field) const { return typed<Date>(get(field), name_, field, "a date"); }
bool Table::logical(std::string_view field) const { return typed<bool>(get(field), name_, field, "a logical"); }

void Table::put(std::string_view field, const Value& v) {
  require_writable();
  size_t i = field_or_throw(field);
  const FieldDef& f = fields()[i];
  remember_keys();
  std::string bytes;
  if (f.type == FieldType::Memo) {
    const auto* text = std::get_if<std::string>(&v);
    if (!text) throw Error(ErrorKind::BadField, name_ + ": memo field " + f.name + " takes text");
    if (!memo_) throw Error(ErrorKind::Damaged, name_ + " has memo fields but no memo file");
    uint32_t old_block = 0;
    try {
      old_block = parse_memo_block(std::string_view(buffer_.data() + f.offset, 10));
    } catch (const Error&) {
      old_block = 0;  // a damaged pointer is replaced by a fresh memo
    }
    bytes = format_memo_block(memo_->write(*text, old_block));
  } else {
    bytes = encode_field(f, v);
  }
  std::memcpy(buffer_.data() + f.offset, bytes.data(), bytes.size());
  dirty_ = true;
}

// ---- state helpers

void Table::require_record() const {
  if (eof_) throw Error(ErrorKind::Usage, name_ + ": no current record (end of file)");
}

void Table::require_writable() {
  require_record();
  if (shared() && !file_locked_ && !appended_ && locks_.count(recno_) == 0)
    throw Error(ErrorKind::LockRequired,
                name_ + ": record " + std::to_string(recno_) + " changed without holding its lock");
}

void Table::require_exclusive(const char* what) const {
  if (shared()) throw Error(ErrorKind::Usage, name_ + ": " + what + " needs the table opened exclusive");
}

bool Table::deleted() const { return !eof_ && !buffer_.empty() && buffer_[0] == '*'; }

uint32_t Table::reccount() { return dbf_->record_count(); }

std::string Table::key_of(const Order& o) const { return key_of(o, buffer_); }

std::string Table::key_of(const Order& o, const std::string& record) const {
  View view(*this, record);
  return o.expr.key(view);
}

void Table::remember_keys() {
  if (keys_known_ || appended_) return;
  stored_keys_.clear();
  for (const auto& o : orders_) stored_keys_.push_back(key_of(*o));
  keys_known_ = true;
}

void Table::load(uint32_t recno) {
  dbf_->read_record(recno, buffer_);
  recno_ = recno;
  eof_ = false;
  dirty_ = false;
  appended_ = false;
  keys_known_ = false;
}

void Table::load_eof() {
  buffer_.assign(dbf_->record_length(), ' ');
  recno_ = dbf_->record_count() + 1;
  eof_ = true;
  dirty_ = false;
  appended_ = false;
  keys_known_ = false;
  entry_.reset();
}

bool Table::visible() {
  if (eof_) return false;
  if (hide_deleted_ && buffer_[0] == '*') return false;
  if (filter_ && !filter_(*this)) return false;
  return true;
}

void Table::position_entry() {
  if (eof_ || order_ == 0) {
    entry_.reset();
    return;
  }
  entry_ = IndexEntry{key_of(*orders_[static_cast<size_t>(order_ - 1)]), recno_};
}

// ---- changes

void Table::flush() {
  if (!dirty_ || eof_) return;
  dbf_->write_record(recno_, buffer_);
  std::vector<std::string> keys;
  keys.reserve(orders_.size());
  for (size_t i = 0; i < orders_.size(); ++i) {
    Order& o = *orders_[i];
    std::string key = key_of(o);
    if (appended_) {
      with_order(o, [&] { o.index->insert(key, recno_); });
    } else if (!keys_known_ || key != stored_keys_[i]) {
      if (keys_known_) with_order(o, [&] { o.index->remove(stored_keys_[i], recno_); });
      with_order(o, [&] { o.index->insert(key, recno_); });
    }
    keys.push_back(std::move(key));
  }
  stored_keys_ = std::move(keys);
  keys_known_ = true;
  appended_ = false;
  dirty_ = false;
  if (order_ > 0) entry_ = IndexEntry{stored_keys_[static_cast<size_t>(order_ - 1)], recno_};
}

void Table::commit() {
  flush();
  dbf_->sync();
  if (memo_) memo_->storage().sync();
  for (auto& o : orders_) o->index->storage().sync();
}

void Table::append_blank() {
  flush();
  if (shared()) {
    for (uint32_t r : locks_) dbf_->unlock_record(r);
    locks_.clear();
  }
  std::string blank(dbf_->record_length(), ' ');
  uint32_t recno = dbf_->append_record(blank);
  if (shared()) locks_.insert(recno);
  buffer_ = std::move(blank);
  recno_ = recno;
  eof_ = bof_ = found_ = false;
  appended_ = true;
  dirty_ = true;  // its entries go into the orders at the next flush
  keys_known_ = false;
  entry_.reset();
  sync_children();
}

Table::AppendHold::AppendHold(Table& table, int wait_ms) : table_(table) {
  if (!wait_for_lock(wait_ms, [&] { return table_.dbf_->lock_append(); }))
    throw Error(ErrorKind::Locked, "cannot add a record to " + table_.name_ +
                                       ": another program holds its append lock (waited " + std::to_string(wait_ms) +
                                       " ms)");
}

Table::AppendHold::~AppendHold() { table_.dbf_->unlock_append(); }

void Table::delete_record() {
  require_writable();
  remember_keys();
  buffer_[0] = '*';
  dirty_ = true;
}

void Table::recall() {
  require_writable();
  remember_keys();
  buffer_[0] = ' ';
  dirty_ = true;
}

// ---- locks

bool Table::rlock() {
  flush();
  require_record();
  for (uint32_t r : locks_) dbf_->unlock_record(r);
  locks_.clear();
  if (!dbf_->lock_record(recno_)) return false;
  locks_.insert(recno_);
  load(recno_);  // another process may have changed it before we locked
  position_entry();
  return true;
}

bool Table::lock_record(uint32_t recno) {
  if (locks_.count(recno)) return true;
  if (recno == recno_) flush();
  if (!dbf_->lock_record(recno)) return false;
  locks_.insert(recno);
  if (recno == recno_ && !eof_) {
    load(recno_);
    position_entry();
  }
  return true;
}

bool Table::flock() {
  flush();
  if (file_locked_) return true;
  if (!dbf_->lock_file()) return false;
  file_locked_ = true;
  if (!eof_) {
    load(recno_);
    position_entry();
  }
  return true;
}

void Table::unlock() {
  flush();
  for (uint32_t r : locks_) dbf_->unlock_record(r);
  locks_.clear();
  if (file_locked_) {
    dbf_->unlock_file();
    file_locked_ = false;
  }
}

void Table::unlock_record(uint32_t recno) {
  if (recno == recno_) flush();
  if (locks_.erase(recno)) dbf_->unlock_record(recno);
}

bool Table::holds_lock(uint32_t recno) const { return file_locked_ || locks_.count(recno) > 0; }

// ---- filter and relations

void Table::set_filter(Filter f) { filter_ = std::move(f); }
void Table::clear_filter() { filter_ = nullptr; }

void Table::set_relation(Table& child, std::function<Value(const Table&)> key) {
  relations_.push_back({&child, std::move(key)});
  sync_children();
}

void Table::clear_relations() { relations_.clear(); }

void Table::sync_children() {
  for (auto& r : relations_) {
    Table& child = *r.child;
    if (eof_) {
      child.go_to(0);
      continue;
    }
    Value v = r.key(*this);
    if (child.order() > 0) {
      child.seek(v);
    } else if (const auto* n = std::get_if<Decimal>(&v)) {
      long long target = n->to_int();
      child.go_to(target > 0 && target <= 0xFFFFFFFFLL ? static_cast<uint32_t>(target) : 0);
    } else {
      throw Error(ErrorKind::Usage, name_ + ": a relation into " + child.name() + " without an order needs a number");
    }
  }
}

}  // namespace zelto::xbase
