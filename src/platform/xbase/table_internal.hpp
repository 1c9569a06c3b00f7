#pragma once
// Pieces of Table shared by its implementation files.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/xbase/error.hpp"
#include "platform/xbase/table.hpp"

namespace zelto::xbase {

struct Table::Order {
  std::filesystem::path file;  // empty for an order kept in memory
  std::string key_text;        // the expression the index was built with
  std::unique_ptr<NtxIndex> index;
  KeyExpression expr;
};

// A record's bytes seen as field values, for key expressions.
class Table::View final : public RecordView {
 public:
  View(const Table& table, const std::string& record) : table_(table), record_(record) {}
  Value field_value(size_t index) const override { return table_.decode(record_, index); }

 private:
  const Table& table_;
  const std::string& record_;
};

// A damaged index found while using it is rebuilt from the table and the
// operation tried once more.
template <class F>
auto Table::with_order(Order& o, F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const Error& e) {
    if (e.kind() != ErrorKind::Damaged) throw;
    rebuild_order(o, e.what());
  }
  return f();
}

}  // namespace zelto::xbase
