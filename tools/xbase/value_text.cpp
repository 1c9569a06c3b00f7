#include "value_text.hpp"

#include <stdexcept>

#include "platform/runtime/cp1252.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::tools {

using namespace zelto::xbase;
using runtime::Date;
using runtime::Decimal;

Value value_from_text(const FieldDef& f, std::string_view utf8) {
  auto bad = [&](const char* what) {
    throw std::invalid_argument("field " + f.name + ": \"" + std::string(utf8) + "\" is not " + what);
  };
  switch (f.type) {
    case FieldType::Character:
    case FieldType::Memo: {
      if (!runtime::fits_cp1252(utf8)) bad("Windows-1252 text");
      std::string bytes = runtime::utf8_to_cp1252(utf8);
      if (f.type == FieldType::Character && bytes.size() > static_cast<size_t>(f.length)) bad("short enough");
      return bytes;
    }
    case FieldType::Numeric: {
      auto d = Decimal::parse(utf8);
      if (!d) bad("a number");
      return *d;
    }
    case FieldType::Date: {
      std::string t = runtime::trim(utf8);
      auto d = t.find('/') != std::string::npos ? Date::from_text(t) : Date::from_dtos(t);
      if (!d) bad("a date (YYYYMMDD or DD/MM/YYYY)");
      return *d;
    }
    case FieldType::Logical: {
      std::string t = runtime::upper(runtime::trim(utf8));
      if (t == "T" || t == "S" || t == "Y" || t == ".T.") return true;
      if (t == "F" || t == "N" || t.empty() || t == ".F.") return false;
      bad("T or F");
    }
  }
  bad("a known type");
  return {};
}

std::string value_to_text(const FieldDef& f, const Value& v) {
  switch (f.type) {
    case FieldType::Character:
      return runtime::cp1252_to_utf8(runtime::rtrim(std::get<std::string>(v)));
    case FieldType::Memo:
      return runtime::cp1252_to_utf8(std::get<std::string>(v));
    case FieldType::Numeric:
      return std::get<Decimal>(v).round(f.decimals).to_string();
    case FieldType::Date:
      return runtime::trim(std::get<Date>(v).dtos());
    case FieldType::Logical:
      return std::get<bool>(v) ? "T" : "F";
  }
  return {};
}

}  // namespace zelto::tools
