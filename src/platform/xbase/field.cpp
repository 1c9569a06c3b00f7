#include "platform/xbase/field.hpp"

#include "platform/runtime/number_text.hpp"
#include "platform/xbase/error.hpp"

namespace zelto::xbase {

std::string describe(const FieldDef& f) {
  std::string s = f.name + " " + static_cast<char>(f.type) + "(" + std::to_string(f.length);
  if (f.type == FieldType::Numeric && f.decimals > 0) s += "," + std::to_string(f.decimals);
  return s + ")";
}

void validate(const FieldDef& f) {
  auto bad = [&](const std::string& why) { throw Error(ErrorKind::BadField, "field " + describe(f) + ": " + why); };
  if (f.name.empty() || f.name.size() > 10) bad("a field name has 1 to 10 characters");
  switch (f.type) {
    case FieldType::Character:
      if (f.length < 1 || f.length > 65535) bad("a character field has 1 to 65535 bytes");
      break;
    case FieldType::Numeric:
      if (f.length < 1 || f.length > 20) bad("a numeric field has 1 to 20 positions");
      if (f.decimals < 0 || (f.decimals > 0 && f.decimals > f.length - 2)) bad("too many decimals for the width");
      break;
    case FieldType::Date:
      if (f.length != 8) bad("a date field has 8 bytes");
      break;
    case FieldType::Logical:
      if (f.length != 1) bad("a logical field has 1 byte");
      break;
    case FieldType::Memo:
      if (f.length != 10) bad("a memo field has 10 bytes");
      break;
    default:
      bad("unknown field type");
  }
}

std::string encode_field(const FieldDef& f, const Value& v) {
  const auto width = static_cast<size_t>(f.length);
  auto wrong = [&](const char* expected) {
    throw Error(ErrorKind::BadField, "field " + describe(f) + " takes " + expected);
  };
  switch (f.type) {
    case FieldType::Character: {
      const auto* s = std::get_if<std::string>(&v);
      if (!s) wrong("text");
      std::string out = s->substr(0, width);
      out.resize(width, ' ');
      return out;
    }
    case FieldType::Numeric: {
      const auto* d = std::get_if<Decimal>(&v);
      if (!d) wrong("a number");
      std::string out = runtime::str(*d, f.length, f.decimals);
      if (!out.empty() && out.front() == '*')
        throw Error(ErrorKind::BadField, "value " + d->to_string() + " does not fit field " + describe(f));
      return out;
    }
    case FieldType::Date: {
      const auto* d = std::get_if<Date>(&v);
      if (!d) wrong("a date");
      return d->dtos();
    }
    case FieldType::Logical: {
      const auto* b = std::get_if<bool>(&v);
      if (!b) wrong("a logical");
      return *b ? "T" : "F";
    }
    case FieldType::Memo:
      throw Error(ErrorKind::Usage, "memo field " + f.name + " is written through its table");
  }
  return std::string(width, ' ');
}

Value decode_field(const FieldDef& f, std::string_view bytes) {
  switch (f.type) {
    case FieldType::Character:
      return std::string(bytes);
    case FieldType::Numeric: {
      auto d = Decimal::parse(bytes);
      return d ? *d : Decimal{};
    }
    case FieldType::Date: {
      auto d = Date::from_dtos(bytes);
      return d ? *d : Date{};
    }
    case FieldType::Logical: {
      char c = bytes.empty() ? ' ' : bytes[0];
      return c == 'T' || c == 't' || c == 'Y' || c == 'y';
    }
    case FieldType::Memo:
      return std::string();  // the table replaces this with the memo's text
  }
  return std::string();
}

Value blank_value(const FieldDef& f) {
  switch (f.type) {
    case FieldType::Numeric: return Decimal{};
    case FieldType::Date: return Date{};
    case FieldType::Logical: return false;
    case FieldType::Character: return std::string(static_cast<size_t>(f.length), ' ');
    case FieldType::Memo: return std::string();
  }
  return std::string();
}

}  // namespace zelto::xbase
