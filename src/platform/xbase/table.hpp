#pragma once
// A work area: one open table with its memo and its index orders, a current
// record, locks, a filter and relations. This is what the system's
// operations use to read and change the shared tables.
//
// Changes go into the current record's buffer and reach the files when the
// record is flushed: on any move, seek, lock change, append, commit or
// close. Flushing writes the record, then moves its entries in every order
// whose key changed. Shared tables refuse a change to a record this work area
// has not locked (a freshly appended record is locked).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xbase/dbf_file.hpp"
#include "platform/xbase/field.hpp"
#include "platform/xbase/key_expr.hpp"
#include "platform/xbase/memo_file.hpp"
#include "platform/xbase/ntx_index.hpp"

namespace zelto::xbase {

enum class OpenMode { Shared, Exclusive };

// One order to attach: its index file and the key expression to build it
// with when the file is missing or damaged (an existing sound file is used
// as it is, whatever key it was built with).
struct OrderSpec {
  std::string file;  // "M206A.NTX" or "m206a"; found case-insensitively
  std::string key;   // "C163+C012"
};

// Where a work area stands, to come back to later.
struct Position {
  uint32_t recno = 0;
  int order = 0;
};

class Table {
 public:
  struct Parts;  // the files a table is opened from, assembled by the workspace
  Table(std::string alias, Parts parts, bool hide_deleted, Notice notice);
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const std::string& alias() const { return alias_; }
  const std::string& name() const { return name_; }  // the table's file name, for messages
  bool shared() const { return !dbf_->exclusive(); }
  bool temporary() const { return temporary_; }

  // ---- fields
  const std::vector<FieldDef>& fields() const { return dbf_->fields(); }
  int field_index(std::string_view name) const { return dbf_->field_index(name); }
  bool has_field(std::string_view name) const { return field_index(name) >= 0; }

  Value get(std::string_view field) const;
  Value get(size_t index) const;
  std::string text(std::string_view field) const;     // C or M
  Decimal number(std::string_view field) const;       // N
  Date date(std::string_view field) const;            // D
  bool logical(std::string_view field) const;         // L

  void put(std::string_view field, const Value& v);
  void put(std::string_view field, const char* text) { put(field, Value(std::string(text))); }
  void put(std::string_view field, std::string_view text) { put(field, Value(std::string(text))); }
  void put(std::string_view field, const std::string& text) { put(field, Value(text)); }
  void put(std::string_view field, const Decimal& n) { put(field, Value(n)); }
  void put(std::string_view field, int n) { put(field, Value(Decimal(n))); }
  void put(std::string_view field, long long n) { put(field, Value(Decimal(n))); }
  void put(std::string_view field, const Date& d) { put(field, Value(d)); }
  void put(std::string_view field, bool b) { put(field, Value(b)); }

  // ---- position
  uint32_t recno() const { return recno_; }
  uint32_t reccount();  // every record in the file, deleted ones included
  bool eof() const { return eof_; }
  bool bof() const { return bof_; }
  bool found() const { return found_; }
  bool deleted() const;

  void go_top();
  void go_bottom();
  // Goes to a record by number whether or not the filter or the deleted
  // rule would show it; a number past the end gives end of file.
  void go_to(uint32_t recno);
  void skip(long count = 1);

  // Seek in the current order. Text seeks by prefix ("001" finds the first
  // key starting "001"); numbers, dates and logicals by their whole key.
  // With soft = true a miss stays on the next greater key instead of end of
  // file; with last = true the last matching entry is found.
  bool seek(const Value& key, bool soft = false, bool last = false);
  bool seek(std::string_view key, bool soft = false, bool last = false) {
    return seek(Value(std::string(key)), soft, last);
  }
  bool seek(const std::string& key, bool soft = false, bool last = false) { return seek(Value(key), soft, last); }
  bool seek(const char* key, bool soft = false, bool last = false) { return seek(std::string_view(key), soft, last); }

  Position position() const { return {recno_, order_}; }
  void restore(const Position& p);

  // ---- orders (1 is the first attached; 0 is the natural order)
  int order() const { return order_; }
  void set_order(int order);
  int order_count() const { return static_cast<int>(orders_.size()); }
  const std::string& order_key(int order) const;
  const std::filesystem::path& order_file(int order) const;
  // Attaches an existing index file as the next order, or builds it from the
  // table when it is missing (with `key`). Returns the new order's number.
  int add_order(const std::filesystem::path& file, std::string_view key);
  // A new order in memory (temporary tables).
  int add_memory_order(std::string_view tag, std::string_view key);
  void clear_orders();
  // Builds every order again from the records.
  void reindex();
  // Compares every order with a scan of the table; an empty result means
  // all agree, otherwise one line per problem.
  std::vector<std::string> check_orders();

  // For one pass over a shared table: the current order's index stays
  // locked for reading, so each step need not lock it and read its header
  // again. Other programs' writes to that index wait meanwhile, so hold it
  // for one pass, not for long.
  class ScanHold {
   public:
    explicit ScanHold(Table& table);
    ScanHold(const ScanHold&) = delete;
    ScanHold& operator=(const ScanHold&) = delete;

   private:
    std::optional<NtxIndex::ReadHold> hold_;
  };

  // For an addition that must not race another program's: while it is
  // held no other handle can append to the table, so a key sought missing
  // under it is still missing when the record that carries it goes in.
  // Appends of this work area go ahead meanwhile. It waits for the append
  // lock as an append does, and throws Error(Locked) when the lock does not
  // come in `wait_ms`. Flush the new record before letting go, so that its
  // keys are in the orders when the next adder seeks. One at a time per
  // work area.
  class AppendHold {
   public:
    explicit AppendHold(Table& table, int wait_ms = 10000);
    ~AppendHold();
    AppendHold(const AppendHold&) = delete;
    AppendHold& operator=(const AppendHold&) = delete;

   private:
    Table& table_;
  };

  // ---- changes
  // Adds a blank record at the end and stands on it; in a shared table
  // the other record locks of this work area are released and the new
  // record is left locked.
  void append_blank();
  void delete_record();
  void recall();
  void flush();
  void commit();  // flush and ask the system to write through
  // Exclusive tables only: removes deleted records, empties the table.
  void pack();
  void zap();
  // Writes a new empty table with this table's fields (and memo file).
  void copy_structure(const std::filesystem::path& file) const;

  // ---- locks
  // The old runtime's RLOCK: releases this area's locks, then locks the
  // current record and reads it again. False when another holds it.
  bool rlock();
  bool lock_record(uint32_t recno);  // adds to the held locks
  bool flock();
  void unlock();                     // every record lock and the file lock
  void unlock_record(uint32_t recno);
  bool holds_lock(uint32_t recno) const;

  // ---- filter and relations
  using Filter = std::function<bool(const Table&)>;
  void set_filter(Filter f);
  void clear_filter();
  // When this table moves, `child` seeks the value `key` gives (by its
  // current order; a number goes to that record when it has no order).
  void set_relation(Table& child, std::function<Value(const Table&)> key);
  void clear_relations();

 private:
  struct Order;
  class View;

  Value decode(const std::string& record, size_t index) const;
  std::string key_of(const Order& o, const std::string& record) const;
  std::vector<IndexEntry> scan_entries(const Order& o);
  void load(uint32_t recno);
  void load_eof();
  bool visible();
  void before_move();
  void after_move();
  void require_record() const;
  void require_writable();
  void require_exclusive(const char* what) const;
  size_t field_or_throw(std::string_view name) const;
  std::string key_of(const Order& o) const;
  void remember_keys();
  void position_entry();
  void skip_natural(long count);
  void skip_indexed(long count);
  void settle(std::optional<IndexEntry> e, bool forward);
  void settle_forward(std::optional<IndexEntry> e) { settle(std::move(e), true); }
  void settle_backward(std::optional<IndexEntry> e) { settle(std::move(e), false); }
  void rebuild_order(Order& o, const std::string& why);
  template <class F>
  auto with_order(Order& o, F&& f) -> decltype(f());
  void sync_children();

  std::string alias_;
  std::string name_;
  std::unique_ptr<DbfFile> dbf_;
  std::unique_ptr<MemoFile> memo_;
  std::vector<std::unique_ptr<Order>> orders_;
  // Indexes replaced by a rebuild stay alive until the table closes, since
  // a scan may still hold one.
  std::vector<std::unique_ptr<NtxIndex>> retired_;
  int order_ = 0;
  bool hide_deleted_ = true;
  Notice notice_;
  bool temporary_ = false;

  std::string buffer_;
  uint32_t recno_ = 0;
  bool eof_ = true;
  bool bof_ = true;
  bool found_ = false;
  bool dirty_ = false;
  bool appended_ = false;       // the buffer's record has no index entries yet
  bool keys_known_ = false;     // stored_keys_ hold the keys as indexed
  std::vector<std::string> stored_keys_;
  std::optional<IndexEntry> entry_;  // where we stand in the current order

  std::set<uint32_t> locks_;
  bool file_locked_ = false;
  Filter filter_;
  struct Relation {
    Table* child;
    std::function<Value(const Table&)> key;
  };
  std::vector<Relation> relations_;
};

struct Table::Parts {
  std::string name;
  std::unique_ptr<DbfFile> dbf;
  std::unique_ptr<MemoFile> memo;
  bool temporary = false;
};

}  // namespace zelto::xbase
