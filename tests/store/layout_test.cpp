// Every layout against the engine's rules and against the catalogue's keys:
// a key naming a field the layout lacks, or giving it the wrong type, fails
// here before any table is opened.

#include "store/layout.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/key_expr.hpp"
#include "store/catalogue.hpp"
#include "store/lookup.hpp"

namespace zelto::store {
namespace {

TEST(Layouts, AreValidForTheEngine) {
  for (const auto& row : front_end_catalogue()) {
    std::set<std::string> names;
    for (const auto& def : field_defs(*row.table)) {
      EXPECT_NO_THROW(xbase::validate(def)) << row.file() << " " << xbase::describe(def);
      EXPECT_EQ(def.name, runtime::upper(def.name)) << row.file();
      EXPECT_TRUE(names.insert(def.name).second) << row.file() << " repeats " << def.name;
    }
  }
}

TEST(Layouts, EveryCatalogueKeyCompilesAgainstItsTable) {
  for (const auto& row : front_end_catalogue()) {
    const auto fields = field_defs(*row.table);
    for (const auto& index : row.orders) {
      try {
        const auto key = xbase::KeyExpression::compile(index.key, fields, row.file());
        EXPECT_EQ(key.type(), xbase::KeyType::Character) << index.file;
      } catch (const xbase::Error& e) {
        ADD_FAILURE() << index.file << ": " << e.what();
      }
    }
  }
}

// What each sealed field adds to the seal text: a text field its width, a
// date 8, a number the width the seal writes it in, a memo its trimmed text.
// The widest memo sealed is the printer's Z data, 1167 characters from Epson.
int seal_share(std::string_view alias, const Field& f) {
  static const std::map<std::string, int, std::less<>> kNumberWidths = {
      {"PC.C136", 8}, {"Y1.CREDZ", 10}, {"Y4.TAM_COLUNA", 5}};
  switch (f.type) {
    case FieldType::Character: return f.width;
    case FieldType::Date: return 8;
    case FieldType::Memo: return 1167;
    case FieldType::Numeric: {
      const auto it = kNumberWidths.find(std::string(alias) + "." + std::string(f.name));
      return it == kNumberWidths.end() ? 14 : it->second;
    }
    case FieldType::Logical: return 1;
  }
  return 0;
}

TEST(Layouts, SealsCoverExistingFieldsAndFitTheirSealField) {
  std::set<std::string> sealed;
  for (const auto& row : front_end_catalogue()) {
    const Layout& layout = *row.table;
    const Field* seal_field = nullptr;
    for (const auto& f : layout.fields)
      if (f.name == "MD5_REGI") seal_field = &f;
    EXPECT_EQ(seal_field != nullptr, layout.sealed()) << row.file();
    if (!layout.sealed()) continue;
    sealed.insert(std::string(row.alias()));

    int text_length = 0;
    for (const auto name : layout.seal) {
      const Field* field = nullptr;
      for (const auto& f : layout.fields)
        if (f.name == name) field = &f;
      if (!field) {
        ADD_FAILURE() << row.file() << " seals a field it does not have: " << name;
        continue;
      }
      EXPECT_NE(name, "MD5_REGI") << row.file();
      text_length += seal_share(row.alias(), *field);
    }
    ASSERT_NE(seal_field, nullptr);
    EXPECT_EQ(seal_field->type, FieldType::Character);
    EXPECT_EQ(seal_field->width, text_length) << row.file() << ": the seal field must hold the whole seal";
  }
  EXPECT_EQ(sealed, (std::set<std::string>{"PC", "RO", "IT", "EF", "PD", "Y1", "Y2", "Y4"}));
}

}  // namespace
}  // namespace zelto::store
