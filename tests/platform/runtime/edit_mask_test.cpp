#include "platform/runtime/edit_mask.hpp"

#include <gtest/gtest.h>

namespace zelto::runtime {
namespace {

std::string typed(const EditMask& mask, std::string start, std::string_view keys) {
  MaskedEdit e(mask, std::move(start));
  e.type_text(keys);
  return e.buffer();
}

TEST(EditMask, TextPicturesFilterAndConvertTypedBytes) {
  struct Case {
    const char* picture;
    std::size_t width;
    const char* keys;
    const char* buffer;
  };
  const Case cases[] = {
      {"@!", 5, "ab\xe7z", "AB\xC7Z "},       // upper case, accented letters too
      {"!!", 2, "sp", "SP"},
      {"@A", 4, "a1b", "ab  "},                // the digit is refused
      {"999999", 6, "12a3", "123   "},
      {"@!", 3, "abcd", "ABC"},                // no typing past the end
      {"NN", 2, "-7", "7 "},
      {"", 4, "x y", "x y "},
  };
  for (const auto& c : cases) {
    const EditMask m = EditMask::text(c.picture, c.width);
    EXPECT_EQ(typed(m, m.blank_buffer(), c.keys), c.buffer) << c.picture << " " << c.keys;
  }
}

TEST(EditMask, LiteralsAreSkippedAndStoredUnlessDisplayOnly) {
  const EditMask cnpj = EditMask::text("99.999.999/9999-99", 18);
  MaskedEdit e(cnpj, cnpj.blank_buffer());
  EXPECT_EQ(e.buffer(), "  .   .   /    -  ");
  e.type_text("12345678000199");
  EXPECT_EQ(e.buffer(), "12.345.678/0001-99");
  EXPECT_EQ(cnpj.text_from_buffer(e.buffer()), "12.345.678/0001-99");
  EXPECT_EQ(cnpj.buffer_from_text("11.222.333/4444-55"), "11.222.333/4444-55");

  const EditMask cep = EditMask::text("@R 99999-999", 8);
  EXPECT_EQ(cep.buffer_from_text("01310100"), "01310-100");
  EXPECT_EQ(cep.text_from_buffer("01310-100"), "01310100");
  // A template shorter than the field stores the value padded to its width.
  EXPECT_EQ(EditMask::text("!!", 5).text_from_buffer("AB"), "AB   ");
}

TEST(EditMask, CursorNeverRestsOnALiteral) {
  const EditMask m = EditMask::text("99/99", 5);
  MaskedEdit e(m, "12/34");
  EXPECT_EQ(e.cursor(), 0u);
  e.right();
  e.right();
  EXPECT_EQ(e.cursor(), 3u);
  e.left();
  EXPECT_EQ(e.cursor(), 1u);
  e.end();
  EXPECT_EQ(e.cursor(), 5u);
  e.backspace();
  EXPECT_EQ(e.buffer(), "12/3 ");
  EXPECT_TRUE(e.changed());
}

TEST(EditMask, EraseShiftsOnlyWithinTheRunOfSlots) {
  const EditMask m = EditMask::text("XXX-XX", 6);
  MaskedEdit e(m, "abc-de");
  e.erase();
  EXPECT_EQ(e.buffer(), "bc -de");
  e.end();
  e.backspace();
  EXPECT_EQ(e.buffer(), "bc -d ");
}

TEST(EditMask, NumbersClearOnFirstKeyAndJumpToTheDecimalPoint) {
  const EditMask m = EditMask::number("999999.999", 10, 3);
  MaskedEdit e(m, m.buffer_from_number(Decimal(1)));
  EXPECT_EQ(e.buffer(), "     1.000");
  e.type_text("12,5");
  EXPECT_EQ(e.buffer(), "    12.5  ");
  EXPECT_EQ(m.number_from_buffer(e.buffer()), Decimal::of("12.5"));

  // Without a point key the digits read as a whole number.
  EXPECT_EQ(m.number_from_buffer(typed(m, m.buffer_from_number(Decimal(1)), "7")), Decimal(7));
  EXPECT_EQ(m.number_from_buffer(typed(m, m.buffer_from_number(Decimal(0)), "-3.25")), Decimal::of("-3.25"));
  // A sign is refused among the decimals; letters anywhere.
  EXPECT_EQ(typed(m, m.blank_buffer(), ".-5x"), "      .5  ");
  EXPECT_FALSE(m.number_from_buffer("  1-2 .   ").has_value());
}

TEST(EditMask, NumberWithoutTemplateUsesTheFieldSize) {
  const EditMask m = EditMask::number("", 10, 2);
  EXPECT_EQ(m.template_text(), "9999999.99");
  EXPECT_EQ(m.buffer_from_number(Decimal::of("1234.5")), "   1234.50");
  EXPECT_EQ(EditMask::number("", 8, 0).template_text(), "99999999");
  // Group separators of a display template are skipped when reading back.
  EXPECT_EQ(EditMask::number("@ 999 999.99", 10, 2).number_from_buffer("  1 234.50"), Decimal::of("1234.5"));
  // An integer template refuses the point key.
  MaskedEdit e(EditMask::number("999", 3, 0), "  0");
  EXPECT_FALSE(e.type('.'));
}

TEST(EditMask, Dates) {
  const EditMask m = EditMask::date();
  EXPECT_EQ(m.buffer_from_date(Date()), "  /  /    ");
  const std::string full = typed(m, m.blank_buffer(), "11122026");
  EXPECT_EQ(full, "11/12/2026");
  EXPECT_EQ(m.date_from_buffer(full), Date::ymd(2026, 12, 11));
  EXPECT_EQ(m.date_from_buffer("  /  /    "), Date());
  EXPECT_FALSE(m.date_from_buffer("31/02/2026").has_value());
  EXPECT_FALSE(m.date_from_buffer(typed(m, m.blank_buffer(), "1112")).has_value());
  EXPECT_EQ(typed(m, m.blank_buffer(), "1a/"), "1 /  /    ");
}

}  // namespace
}  // namespace zelto::runtime
