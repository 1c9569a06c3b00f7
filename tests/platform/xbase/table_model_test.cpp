// The work area against an in-memory model: random appends, key changes,
// deletions, recalls and packs, after which every order walks in the model's
// order, seeks land where the model says, and the index files agree with a
// scan of the table.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "platform/runtime/number_text.hpp"
#include "platform/xbase/workspace.hpp"
#include "support/temp_dir.hpp"

namespace zelto::xbase {
namespace {

using runtime::Date;
using runtime::Decimal;

struct Row {
  std::string code;   // C 8
  std::string group;  // C 2
  Decimal price;      // N 10,2
  Date when;          // D
  bool deleted = false;
};

std::vector<FieldDef> layout() {
  return {{"CODE", FieldType::Character, 8, 0, 0},
          {"GRP", FieldType::Character, 2, 0, 0},
          {"PRICE", FieldType::Numeric, 10, 2, 0},
          {"WHEN", FieldType::Date, 8, 0, 0}};
}

const std::vector<OrderSpec> kOrders = {
    {"itema", "CODE"}, {"itemb", "GRP+DESCEND(CODE)"}, {"itemc", "PRICE"}, {"itemd", "DTOS(WHEN)+CODE"}};

std::string key_of(const Row& r, int order) {
  switch (order) {
    case 1: return r.code;
    case 2: return r.group + descend_text(r.code);
    case 3: return numeric_key(r.price, 10, 2);
    default: return r.when.dtos() + r.code;
  }
}

class TableModel : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::mt19937 rng{20261211};
  std::map<uint32_t, Row> model;  // by record number

  Row random_row() {
    Row r;
    r.code = runtime::strzero(Decimal(static_cast<long long>(rng() % 500)), 8);
    r.group = std::string(1, static_cast<char>('A' + rng() % 3)) + " ";
    r.price = Decimal::from_units(static_cast<long long>(rng() % 200000) - 50000, 2);  // negatives too
    r.when = Date::ymd(2026, 1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28)).value();
    if (rng() % 10 == 0) r.when = Date{};
    return r;
  }

  static void write(Table& t, const Row& r) {
    t.put("CODE", r.code);
    t.put("GRP", r.group);
    t.put("PRICE", r.price);
    t.put("WHEN", r.when);
  }

  std::vector<uint32_t> expected_walk(int order) const {
    std::vector<std::pair<std::string, uint32_t>> keys;
    for (const auto& [recno, row] : model)
      if (!row.deleted) keys.push_back({key_of(row, order), recno});
    std::sort(keys.begin(), keys.end());
    std::vector<uint32_t> out;
    for (const auto& k : keys) out.push_back(k.second);
    return out;
  }

  static std::vector<uint32_t> walk(Table& t, int order) {
    t.set_order(order);
    std::vector<uint32_t> out;
    for (t.go_top(); !t.eof(); t.skip()) out.push_back(t.recno());
    return out;
  }

  static std::vector<uint32_t> walk_back(Table& t, int order) {
    t.set_order(order);
    std::vector<uint32_t> out;
    for (t.go_bottom(); !t.bof() && !t.eof(); t.skip(-1)) out.push_back(t.recno());
    std::reverse(out.begin(), out.end());
    return out;
  }

  void verify(Table& t) {
    for (int order = 1; order <= 4; ++order) {
      auto expected = expected_walk(order);
      ASSERT_EQ(walk(t, order), expected) << "order " << order;
      ASSERT_EQ(walk_back(t, order), expected) << "order " << order << " backwards";
    }
    EXPECT_TRUE(t.check_orders().empty());
    // Seeks by code prefix land on the first live record whose code starts so.
    t.set_order(1);
    for (int i = 0; i < 20; ++i) {
      std::string prefix = runtime::strzero(Decimal(static_cast<long long>(rng() % 500)), 8).substr(0, 6);
      std::optional<std::pair<std::string, uint32_t>> want;
      for (const auto& [recno, row] : model)
        if (!row.deleted && row.code.compare(0, 6, prefix) >= 0) {
          std::pair<std::string, uint32_t> k{row.code, recno};
          if (!want || k < *want) want = k;
        }
      bool found = t.seek(prefix, /*soft=*/true);
      bool should_find = want && want->first.compare(0, 6, prefix) == 0;
      ASSERT_EQ(found, should_find) << prefix;
      if (want) {
        ASSERT_FALSE(t.eof());
        ASSERT_EQ(t.recno(), want->second) << prefix;
      } else {
        ASSERT_TRUE(t.eof());
      }
    }
  }
};

TEST_F(TableModel, RandomChangesKeepEveryOrderInStep) {
  Workspace ws({dir.path(), true, nullptr});
  ws.create("items", layout());
  {
    Table& t = ws.use("items", "IT", OpenMode::Exclusive, kOrders);
    for (int step = 0; step < 1500; ++step) {
      int op = static_cast<int>(rng() % 10);
      if (op < 5 || model.empty()) {
        Row r = random_row();
        t.append_blank();
        write(t, r);
        model[t.recno()] = r;
      } else {
        auto it = model.begin();
        std::advance(it, static_cast<long>(rng() % model.size()));
        t.go_to(it->first);
        ASSERT_EQ(t.recno(), it->first);
        if (op < 8) {
          Row r = random_row();
          r.deleted = it->second.deleted;
          write(t, r);
          it->second = r;
        } else if (op == 8) {
          t.delete_record();
          it->second.deleted = true;
        } else {
          t.recall();
          it->second.deleted = false;
        }
      }
      if (step % 250 == 249) verify(t);
      if (step == 900) {
        t.pack();
        std::map<uint32_t, Row> packed;
        uint32_t n = 0;
        for (const auto& [recno, row] : model)
          if (!row.deleted) packed[++n] = row;
        model = packed;
        ASSERT_EQ(t.reccount(), n);
        verify(t);
      }
    }
    verify(t);
  }
  ws.close_all();
  // Everything reached the files: a fresh open walks the same.
  Table& again = ws.use("ITEMS", "IT", OpenMode::Shared, kOrders);
  verify(again);
}

}  // namespace
}  // namespace zelto::xbase
