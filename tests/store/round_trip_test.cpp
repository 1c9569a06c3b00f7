// Every catalogue table made from its layout in a fresh folder, opened with
// its orders as the catalogue gives them, given one record that fills every
// field to its last byte, and read back field by field after reopening.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/xbase/workspace.hpp"
#include "store/catalogue.hpp"
#include "store/lookup.hpp"

namespace zelto::store {
namespace {

class Folder {
 public:
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zelto-store-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A value that uses the whole width of its field, different for each field
// position, so that a field written over its neighbour shows.
xbase::Value full_value(const Field& f, size_t position) {
  const char tag = static_cast<char>('A' + position % 26);
  switch (f.type) {
    case FieldType::Character: {
      std::string text(static_cast<size_t>(f.width), tag);
      text.front() = '<';
      text.back() = '>';
      if (f.width == 1) text = std::string(1, tag);
      return text;
    }
    case FieldType::Memo:
      return std::string(1200, tag) + " end";
    case FieldType::Numeric: {
      const int whole = f.width - (f.decimals > 0 ? f.decimals + 1 : 0);
      std::string digits(static_cast<size_t>(whole), '9');
      digits.front() = static_cast<char>('1' + position % 9);
      if (f.decimals > 0) digits += "." + std::string(static_cast<size_t>(f.decimals - 1), '0') + "7";
      return xbase::Decimal::of(digits);
    }
    case FieldType::Date:
      return *xbase::Date::ymd(2026, 12, 1 + static_cast<int>(position % 28));
    case FieldType::Logical:
      return true;
  }
  return std::string();
}

TEST(CatalogueRoundTrip, EveryTableIsCreatedOpenedWrittenAndReadBack) {
  Folder folder;
  xbase::WorkspaceOptions options;
  options.folder = folder.path();
  xbase::Workspace ws(options);

  for (const auto& row : front_end_catalogue()) {
    SCOPED_TRACE(std::string(row.file()));
    const Layout& layout = *row.table;
    ws.create(row.file(), field_defs(layout));
    xbase::Table& t = ws.use(row.file(), row.alias(), row.mode, order_specs(row));
    ASSERT_EQ(t.order_count(), static_cast<int>(row.orders.size()));
    t.append_blank();
    for (size_t i = 0; i < layout.fields.size(); ++i) t.put(layout.fields[i].name, full_value(layout.fields[i], i));
    t.commit();
    ws.close(row.alias());
  }

  for (const auto& row : front_end_catalogue()) {
    SCOPED_TRACE(std::string(row.file()));
    const Layout& layout = *row.table;
    xbase::Table& t = ws.use(row.file(), row.alias(), row.mode, order_specs(row));
    ASSERT_EQ(t.reccount(), 1u);
    for (int order = 1; order <= t.order_count(); ++order) {
      t.set_order(order);
      t.go_top();
      EXPECT_FALSE(t.eof()) << "order " << order << " has no entry";
    }
    EXPECT_TRUE(t.check_orders().empty());
    t.set_order(0);
    t.go_top();
    ASSERT_FALSE(t.eof());
    for (size_t i = 0; i < layout.fields.size(); ++i)
      EXPECT_EQ(t.get(layout.fields[i].name), full_value(layout.fields[i], i)) << layout.fields[i].name;
  }
  ws.close_all();

  // Every order's index file was built where the catalogue names it.
  for (const auto& row : front_end_catalogue())
    for (const auto& index : row.orders)
      EXPECT_TRUE(std::filesystem::exists(ws.path_of(index.file))) << index.file;
}

}  // namespace
}  // namespace zelto::store
