#pragma once
// Index key expressions as the catalogues store them ("Dtos(DATA)+situacao+pdv",
// "C350+STR(C353,3)+STR(C354,3)", "c083+c099+descend(c107)"): a small
// parser and evaluator, and the byte form of keys in the .ntx files.
//
// Known: field names in any case, "+" (text concatenation; sum of numbers),
// parentheses, text literals in quotes, numbers, and the functions DTOS,
// STR (2 and 3 arguments), STRZERO, LEFT, RIGHT, SUBSTR, UPPER, DESCEND and
// the system's own M2921DD(date), which gives "MMDD". Functions whose width
// depends on the data (TRIM and the like) are refused: a key has one width,
// of 1 to 256 bytes. A sum of numbers is as wide as its widest part plus one
// position for the carry.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xbase/field.hpp"

namespace zelto::xbase {

enum class KeyType { Character, Numeric, Date, Logical };

class KeyExpression {
 public:
  // Throws Error(BadExpression) whose message names the table and the
  // expression ("m206: unknown function FOO in key \"FOO(C012)\"").
  static KeyExpression compile(std::string_view text, const std::vector<FieldDef>& fields,
                               std::string_view table_name);

  const std::string& text() const;
  KeyType type() const;
  int key_size() const;      // bytes of an encoded key (the .ntx key size)
  int key_decimals() const;  // decimals of a numeric key, else 0

  Value evaluate(const RecordView& record) const;
  // The encoded key of a record: exactly key_size() bytes.
  std::string key(const RecordView& record) const;
  // A seek value in this key's byte form. Text keeps its own length (a
  // shorter text seeks by prefix); numbers, dates and logicals are encoded
  // at full width. A value of the wrong kind throws Error(BadExpression).
  std::string encode(const Value& v) const;

  KeyExpression(const KeyExpression&);
  KeyExpression& operator=(const KeyExpression&);
  KeyExpression(KeyExpression&&) noexcept;
  KeyExpression& operator=(KeyExpression&&) noexcept;
  ~KeyExpression();

  struct Node;  // parsed expression tree, defined in the implementation

 private:
  KeyExpression() = default;
  std::string text_;
  std::shared_ptr<const Node> root_;
  KeyType type_ = KeyType::Character;
  int size_ = 0;
  int decimals_ = 0;
};

// Key bytes of the published index format:
// numbers as STR(n, len, dec) with leading blanks turned to '0'; a negative
// number also has its '-' turned to '0' and every digit c to chr(92 - c),
// the '.' kept, so that negatives sort first and by magnitude;
// dates "YYYYMMDD"; logicals "T"/"F"; DESCEND of a text turns each byte b
// into (256 - b) mod 256.
std::string numeric_key(const Decimal& n, int length, int decimals);
std::string descend_text(std::string_view text);

}  // namespace zelto::xbase
