#pragma once
// The parsed form of a key expression, shared by the parser and the
// evaluator. Every node knows its result type and, for text and numbers,
// its width, so that a key's size is fixed before any record is read.

#include <memory>
#include <string>
#include <vector>

#include "platform/xbase/key_expr.hpp"

namespace zelto::xbase {

struct KeyExpression::Node {
  enum class Op {
    Field,
    Text,      // quoted literal
    Number,    // numeric literal
    Concat,    // text + text
    Sum,       // number + number
    Dtos,
    Str,       // a = width, b = decimals
    Strzero,   // a = width, b = decimals
    Left,      // a = count
    Right,     // a = count
    Substr,    // a = start (1-based), b = count or -1
    Upper,
    Descend,
    MonthDay,  // "MMDD" of a date
  };

  Op op = Op::Field;
  KeyType type = KeyType::Character;
  int width = 0;     // text: bytes; number: positions of its STR form
  int decimals = 0;  // numbers only
  size_t field = 0;  // Field: index into the table's field list
  Value literal;     // Text and Number
  int a = 0;
  int b = 0;
  std::vector<std::shared_ptr<const Node>> args;
};

// Builds the tree; throws Error(BadExpression) with the table's name and the
// expression in the message.
std::shared_ptr<const KeyExpression::Node> parse_key(std::string_view text, const std::vector<FieldDef>& fields,
                                                     std::string_view table_name);

}  // namespace zelto::xbase
