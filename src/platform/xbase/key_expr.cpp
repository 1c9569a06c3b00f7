#include "platform/xbase/key_expr.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/key_node.hpp"

namespace zelto::xbase {
namespace {

using Node = KeyExpression::Node;
using Op = Node::Op;

constexpr int kMaxKeySize = 256;

void append_text(const Node& n, const RecordView& r, std::string& out);

Value eval(const Node& n, const RecordView& r) {
  switch (n.op) {
    case Op::Field: {
      Value v = r.field_value(n.field);
      // A text field always yields its full width, so every key has one size
      // whatever the record view hands over.
      if (auto* s = std::get_if<std::string>(&v); s && n.type == KeyType::Character)
        s->resize(static_cast<size_t>(n.width), ' ');
      return v;
    }
    case Op::Text:
    case Op::Number:
      return n.literal;
    case Op::Sum:
      return std::get<Decimal>(eval(*n.args[0], r)) + std::get<Decimal>(eval(*n.args[1], r));
    default: {
      std::string out;
      out.reserve(static_cast<size_t>(n.width));
      append_text(n, r, out);
      return out;
    }
  }
}

std::string text_of(const Node& n, const RecordView& r) {
  std::string s;
  append_text(n, r, s);
  return s;
}

Decimal number_of(const Node& n, const RecordView& r) {
  Value v = eval(n, r);
  if (auto* d = std::get_if<Decimal>(&v)) return *d;
  return Decimal{};
}

Date date_of(const Node& n, const RecordView& r) {
  Value v = eval(n, r);
  if (auto* d = std::get_if<Date>(&v)) return *d;
  return Date{};
}

void append_text(const Node& n, const RecordView& r, std::string& out) {
  switch (n.op) {
    case Op::Field: {
      Value v = r.field_value(n.field);
      const auto* s = std::get_if<std::string>(&v);
      std::string_view text = s ? std::string_view(*s) : std::string_view();
      const auto width = static_cast<size_t>(n.width);
      out.append(text.substr(0, width));
      if (text.size() < width) out.append(width - text.size(), ' ');
      return;
    }
    case Op::Text:
      out += std::get<std::string>(n.literal);
      return;
    case Op::Concat:
      append_text(*n.args[0], r, out);
      append_text(*n.args[1], r, out);
      return;
    case Op::Dtos:
      out += date_of(*n.args[0], r).dtos();
      return;
    case Op::MonthDay:
      out += date_of(*n.args[0], r).dtos().substr(4, 4);
      return;
    case Op::Str:
      out += runtime::str(number_of(*n.args[0], r), n.a, n.b);
      return;
    case Op::Strzero:
      out += runtime::strzero(number_of(*n.args[0], r), n.a, n.b);
      return;
    case Op::Left:
      out += runtime::left(text_of(*n.args[0], r), n.a);
      return;
    case Op::Right:
      out += runtime::right(text_of(*n.args[0], r), n.a);
      return;
    case Op::Substr:
      out += runtime::substr(text_of(*n.args[0], r), n.a, n.b);
      return;
    case Op::Upper:
      out += runtime::upper(text_of(*n.args[0], r));
      return;
    case Op::Descend:
      out += descend_text(text_of(*n.args[0], r));
      return;
    case Op::Number:
    case Op::Sum:
      return;  // never text: the parser only builds typed trees
  }
}

}  // namespace

KeyExpression KeyExpression::compile(std::string_view text, const std::vector<FieldDef>& fields,
                                     std::string_view table_name) {
  KeyExpression k;
  k.text_ = std::string(text);
  k.root_ = parse_key(text, fields, table_name);
  k.type_ = k.root_->type;
  k.size_ = k.root_->width;
  k.decimals_ = k.type_ == KeyType::Numeric ? k.root_->decimals : 0;
  if (k.size_ < 1 || k.size_ > kMaxKeySize)
    throw Error(ErrorKind::BadExpression, std::string(table_name) + ": a key of " + std::to_string(k.size_) +
                                              " bytes (an index key has 1 to 256) in key \"" + k.text_ + "\"");
  return k;
}

const std::string& KeyExpression::text() const { return text_; }
KeyType KeyExpression::type() const { return type_; }
int KeyExpression::key_size() const { return size_; }
int KeyExpression::key_decimals() const { return decimals_; }

Value KeyExpression::evaluate(const RecordView& record) const { return eval(*root_, record); }

std::string KeyExpression::key(const RecordView& record) const {
  if (type_ == KeyType::Character) {
    std::string out;
    out.reserve(static_cast<size_t>(size_));
    append_text(*root_, record, out);
    out.resize(static_cast<size_t>(size_), ' ');
    return out;
  }
  return encode(eval(*root_, record));
}

std::string KeyExpression::encode(const Value& v) const {
  switch (type_) {
    case KeyType::Character:
      if (const auto* s = std::get_if<std::string>(&v)) return s->substr(0, static_cast<size_t>(size_));
      break;
    case KeyType::Numeric:
      if (const auto* d = std::get_if<Decimal>(&v)) return numeric_key(*d, size_, decimals_);
      break;
    case KeyType::Date:
      if (const auto* d = std::get_if<Date>(&v)) return d->dtos();
      break;
    case KeyType::Logical:
      if (const auto* b = std::get_if<bool>(&v)) return *b ? "T" : "F";
      break;
  }
  static const char* const kKinds[] = {"text", "a number", "a date", "a logical"};
  throw Error(ErrorKind::BadExpression, std::string("a seek value of ") + kKinds[v.index()] + " for key \"" + text_ +
                                            "\", which is of another kind");
}

KeyExpression::KeyExpression(const KeyExpression&) = default;
KeyExpression& KeyExpression::operator=(const KeyExpression&) = default;
KeyExpression::KeyExpression(KeyExpression&&) noexcept = default;
KeyExpression& KeyExpression::operator=(KeyExpression&&) noexcept = default;
KeyExpression::~KeyExpression() = default;

std::string numeric_key(const Decimal& n, int length, int decimals) {
  std::string s = runtime::str(n, length, decimals);
  if (!s.empty() && s.front() == '*') return s;
  bool negative = false;
  for (char& c : s) {
    if (c == ' ') {
      c = '0';
    } else if (c == '-') {
      c = '0';
      negative = true;
    } else {
      break;
    }
  }
  if (negative)
    for (char& c : s)
      if (c >= '0' && c <= '9') c = static_cast<char>(92 - c);
  return s;
}

std::string descend_text(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>((256 - static_cast<unsigned char>(c)) & 0xFF);
  return out;
}

}  // namespace zelto::xbase
