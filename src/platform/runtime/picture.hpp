#pragma once
// Display pictures of the old runtime ("@!", "99/99/9999", "@E 999,999.99",
// "99.999.999/9999-99" ...): how a value is shown through a picture.
//
// A picture is an optional function part ("@" and letters, up to a blank)
// and a template. Template letters take a character of the value:
// 9 # digits, A letters, N letters and digits, X anything, ! anything in
// upper case, L Y logical. Any other template character is a literal: for
// text values it is shown in place of the value's character at that
// position (so values that were typed through the picture, which store the
// literals, show unchanged); with the R function it is inserted instead.
// Functions: ! upper case, A letters only, E decimal comma and dot groups,
// R insert literals, Z zero as blanks, B left-justified numbers.

#include <string>
#include <string_view>

#include "platform/runtime/date.hpp"
#include "platform/runtime/decimal.hpp"

namespace zelto::runtime {

struct Picture {
  std::string functions;    // upper-case function letters, without the "@"
  std::string template_text;

  static Picture parse(std::string_view picture);
  bool has(char function) const { return functions.find(function) != std::string::npos; }
  // Template letters that take a value character.
  static bool is_template_letter(char c);
};

std::string transform(std::string_view text, std::string_view picture);
// Numbers: without a template, the STR form in `width` with `decimals`
// (the field's own size); with one, the template's digit positions decide.
std::string transform(const Decimal& number, std::string_view picture, int width = 10, int decimals = 0);
std::string transform(const Date& date, std::string_view picture);
// Named apart: a text literal would otherwise pick the bool overload.
std::string transform_logical(bool flag, std::string_view picture);

}  // namespace zelto::runtime
