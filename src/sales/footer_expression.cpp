#include "sales/footer_expression.hpp"

#include <cctype>
#include <variant>
#include <vector>

#include "platform/runtime/decimal.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::sales {
namespace {

using core::Decimal;
using core::Text;
using Value = std::variant<Text, Decimal, runtime::Date, bool>;

Text as_text(const Value& v) {
  if (const Text* t = std::get_if<Text>(&v)) return *t;
  if (const Decimal* n = std::get_if<Decimal>(&v)) return runtime::trim(runtime::brl(*n, 2));
  if (const runtime::Date* d = std::get_if<runtime::Date>(&v)) return d->text();
  return std::get<bool>(v) ? "S" : "N";
}

std::optional<Decimal> as_number(const Value& v) {
  if (const Decimal* n = std::get_if<Decimal>(&v)) return *n;
  if (const Text* t = std::get_if<Text>(&v)) return runtime::val(*t);
  return std::nullopt;
}

class Parser {
 public:
  Parser(core::Globals& g, std::string_view s) : g_(g), s_(s) {}

  std::optional<Value> whole() {
    auto v = sum();
    skip_blanks();
    if (!v || at_ < s_.size()) return std::nullopt;
    return v;
  }

 private:
  void skip_blanks() {
    while (at_ < s_.size() && s_[at_] == ' ') ++at_;
  }
  bool take(char c) {
    skip_blanks();
    if (at_ < s_.size() && s_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  std::optional<Value> sum() {
    auto left = term();
    while (left && take('+')) {
      auto right = term();
      if (!right) return std::nullopt;
      const Decimal* a = std::get_if<Decimal>(&*left);
      const Decimal* b = std::get_if<Decimal>(&*right);
      if (a && b) {
        left = Value(*a + *b);
      } else {
        left = Value(as_text(*left) + as_text(*right));
      }
    }
    return left;
  }

  std::optional<Value> term() {
    skip_blanks();
    if (at_ >= s_.size()) return std::nullopt;
    const char c = s_[at_];
    if (c == '"' || c == '\'') {
      const std::size_t end = s_.find(c, at_ + 1);
      if (end == std::string_view::npos) return std::nullopt;
      Value v = Text(s_.substr(at_ + 1, end - at_ - 1));
      at_ = end + 1;
      return v;
    }
    if (std::isdigit(static_cast<unsigned char>(c))) {
      std::size_t end = at_;
      while (end < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[end])) || s_[end] == '.')) ++end;
      Value v = Decimal::of(std::string(s_.substr(at_, end - at_)));
      at_ = end;
      return v;
    }
    if (!(std::isalpha(static_cast<unsigned char>(c)) || c == '_')) return std::nullopt;
    std::size_t end = at_;
    while (end < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[end])) || s_[end] == '_')) ++end;
    const Text name = runtime::upper(Text(s_.substr(at_, end - at_)));
    at_ = end;
    if (take('(')) return call(name);
    return setting(name);
  }

  std::optional<Value> setting(const Text& name) {
    const auto ref = g_.find(name);
    if (!ref) return std::nullopt;
    return std::visit([](auto* p) { return Value(*p); }, *ref);
  }

  std::optional<Value> call(const Text& name) {
    std::vector<Value> args;
    if (!take(')')) {
      do {
        auto v = sum();
        if (!v) return std::nullopt;
        args.push_back(*v);
      } while (take(','));
      if (!take(')')) return std::nullopt;
    }
    if (args.empty()) return std::nullopt;
    const Text first = as_text(args[0]);
    if (name == "TRIM" || name == "RTRIM") return Value(runtime::rtrim(first));
    if (name == "ALLTRIM") return Value(runtime::trim(first));
    if (name == "LTRIM") return Value(runtime::ltrim(first));
    if (name == "UPPER") return Value(runtime::upper(first));
    if (name == "DTOC") return Value(first);
    if (name == "STR" || name == "TRANSFORM") {
      const auto n = as_number(args[0]);
      if (!n) return std::nullopt;
      if (name == "TRANSFORM") return Value(runtime::trim(runtime::brl(*n, 2)));
      int width = 10, decimals = 0;
      if (args.size() > 1) width = static_cast<int>(as_number(args[1]).value_or(Decimal(10)).to_int());
      if (args.size() > 2) decimals = static_cast<int>(as_number(args[2]).value_or(Decimal(0)).to_int());
      return Value(runtime::str(*n, width, decimals));
    }
    return std::nullopt;
  }

  core::Globals& g_;
  std::string_view s_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<Text> eval_footer_expression(core::Globals& g, std::string_view expression) {
  auto v = Parser(g, expression).whole();
  if (!v) return std::nullopt;
  return as_text(*v);
}

}  // namespace zelto::sales
