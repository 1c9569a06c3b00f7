#include "csv.hpp"

#include <stdexcept>

namespace zelto::tools {

std::optional<std::vector<std::string>> read_csv_record(std::istream& in) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false, any = false, was_quoted = false;
  int c;
  while ((c = in.get()) != EOF) {
    any = true;
    char ch = static_cast<char>(c);
    if (quoted) {
      if (ch == '"') {
        if (in.peek() == '"') {
          in.get();
          field.push_back('"');
        } else {
          quoted = false;
        }
      } else {
        field.push_back(ch);
      }
    } else if (ch == '"' && field.empty() && !was_quoted) {
      quoted = was_quoted = true;
    } else if (ch == ',') {
      fields.push_back(std::move(field));
      field.clear();
      was_quoted = false;
    } else if (ch == '\n') {
      if (!field.empty() && field.back() == '\r' && !was_quoted) field.pop_back();
      fields.push_back(std::move(field));
      return fields;
    } else if (ch == '\r' && was_quoted) {
      // the CR of a CRLF after a closing quote
    } else {
      field.push_back(ch);
    }
  }
  if (quoted) throw std::runtime_error("a quoted field is not closed at the end of the file");
  if (!any) return std::nullopt;
  if (!field.empty() && field.back() == '\r' && !was_quoted) field.pop_back();
  fields.push_back(std::move(field));
  return fields;
}

void write_csv_record(std::ostream& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) out << ',';
    const std::string& f = fields[i];
    if (f.find_first_of(",\"\r\n") != std::string::npos) {
      out << '"';
      for (char c : f) {
        if (c == '"') out << '"';
        out << c;
      }
      out << '"';
    } else {
      out << f;
    }
  }
  out << '\n';
}

}  // namespace zelto::tools
