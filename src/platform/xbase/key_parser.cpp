// Parser of key expressions. Widths and types are settled here, from the
// field list alone: a key whose width would depend on the data is refused,
// because every entry of an .ntx file has the same size.

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "platform/xbase/key_node.hpp"

namespace zelto::xbase {
namespace {

using Node = KeyExpression::Node;
using NodePtr = std::shared_ptr<const Node>;
using Op = Node::Op;

enum class Tok { Name, Number, Text, Plus, Open, Close, Comma, End };

struct Token {
  Tok kind = Tok::End;
  std::string text;
  size_t pos = 0;
};

const char* type_name(KeyType t) {
  switch (t) {
    case KeyType::Character: return "text";
    case KeyType::Numeric: return "a number";
    case KeyType::Date: return "a date";
    case KeyType::Logical: return "a logical";
  }
  return "?";
}

// Functions whose result width follows the data; named so that the message
// says why they are refused rather than calling them unknown.
bool data_dependent(const std::string& name) {
  static const char* const kNames[] = {"TRIM", "RTRIM", "LTRIM", "ALLTRIM", "VAL", "TRANSFORM", "MEMOLINE"};
  return std::any_of(std::begin(kNames), std::end(kNames), [&](const char* n) { return name == n; });
}

class Parser {
 public:
  Parser(std::string_view text, const std::vector<FieldDef>& fields, std::string_view table)
      : text_(text), fields_(fields), table_(table) {
    tokenize();
  }

  NodePtr parse() {
    if (tokens_.size() == 1) fail("empty expression");
    NodePtr root = expression();
    if (peek().kind != Tok::End) fail("unexpected \"" + peek().text + "\" at position " + std::to_string(peek().pos + 1));
    return root;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw Error(ErrorKind::BadExpression,
                std::string(table_) + ": " + what + " in key \"" + std::string(text_) + "\"");
  }

  void tokenize() {
    size_t i = 0;
    while (i < text_.size()) {
      unsigned char c = static_cast<unsigned char>(text_[i]);
      if (std::isspace(c)) {
        ++i;
        continue;
      }
      Token t;
      t.pos = i;
      if (std::isalpha(c) || c == '_') {
        size_t j = i;
        while (j < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[j])) || text_[j] == '_')) ++j;
        t.kind = Tok::Name;
        t.text = runtime::upper(text_.substr(i, j - i));
        i = j;
      } else if (std::isdigit(c) || (c == '.' && i + 1 < text_.size() && std::isdigit(static_cast<unsigned char>(text_[i + 1])))) {
        size_t j = i;
        bool point = false;
        while (j < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[j])) || (text_[j] == '.' && !point))) {
          point = point || text_[j] == '.';
          ++j;
        }
        t.kind = Tok::Number;
        t.text = std::string(text_.substr(i, j - i));
        i = j;
      } else if (c == '"' || c == '\'') {
        size_t end = text_.find(static_cast<char>(c), i + 1);
        if (end == std::string_view::npos) fail("unterminated text");
        t.kind = Tok::Text;
        t.text = std::string(text_.substr(i + 1, end - i - 1));
        i = end + 1;
      } else {
        switch (c) {
          case '+': t.kind = Tok::Plus; break;
          case '(': t.kind = Tok::Open; break;
          case ')': t.kind = Tok::Close; break;
          case ',': t.kind = Tok::Comma; break;
          default: fail(std::string("unexpected \"") + static_cast<char>(c) + "\" at position " + std::to_string(i + 1));
        }
        t.text = std::string(1, static_cast<char>(c));
        ++i;
      }
      tokens_.push_back(std::move(t));
    }
    Token end;
    end.kind = Tok::End;
    end.text = "end of expression";
    end.pos = text_.size();
    tokens_.push_back(end);
  }

  const Token& peek() const { return tokens_[next_]; }
  Token take() { return tokens_[next_ < tokens_.size() - 1 ? next_++ : next_]; }
  void expect(Tok kind, const char* what) {
    if (peek().kind != kind) fail(std::string("expected ") + what + " before \"" + peek().text + "\"");
    take();
  }

  NodePtr expression() {
    NodePtr left = term();
    while (peek().kind == Tok::Plus) {
      take();
      NodePtr right = term();
      left = plus(left, right);
    }
    return left;
  }

  NodePtr plus(const NodePtr& l, const NodePtr& r) {
    auto n = std::make_shared<Node>();
    n->args = {l, r};
    if (l->type == KeyType::Character && r->type == KeyType::Character) {
      n->op = Op::Concat;
      n->type = KeyType::Character;
      n->width = l->width + r->width;
    } else if (l->type == KeyType::Numeric && r->type == KeyType::Numeric) {
      // One more integer position for the carry; the decimals of the finer part.
      n->op = Op::Sum;
      n->type = KeyType::Numeric;
      n->decimals = std::max(l->decimals, r->decimals);
      auto whole = [](const Node& x) { return x.width - (x.decimals > 0 ? x.decimals + 1 : 0); };
      n->width = std::max(whole(*l), whole(*r)) + 1 + (n->decimals > 0 ? n->decimals + 1 : 0);
    } else {
      fail(std::string("cannot add ") + type_name(l->type) + " and " + type_name(r->type));
    }
    return n;
  }

  NodePtr term() {
    Token t = take();
    switch (t.kind) {
      case Tok::Text: {
        auto n = std::make_shared<Node>();
        n->op = Op::Text;
        n->type = KeyType::Character;
        n->width = static_cast<int>(t.text.size());
        n->literal = t.text;
        return n;
      }
      case Tok::Number: {
        auto n = std::make_shared<Node>();
        n->op = Op::Number;
        n->type = KeyType::Numeric;
        size_t point = t.text.find('.');
        n->decimals = point == std::string::npos ? 0 : static_cast<int>(t.text.size() - point - 1);
        n->width = 10 + (n->decimals > 0 ? n->decimals + 1 : 0);
        // The widest field holds 20 positions; longer numbers are no key's.
        std::optional<Decimal> value;
        if (t.text.size() <= 20) {
          try {
            value = Decimal::parse(t.text);
          } catch (const std::exception&) {
          }
        }
        if (!value) fail("number " + t.text + " out of range");
        n->literal = *value;
        return n;
      }
      case Tok::Open: {
        NodePtr inner = expression();
        expect(Tok::Close, "\")\"");
        return inner;
      }
      case Tok::Name:
        if (peek().kind == Tok::Open) return call(t);
        return field(t);
      default:
        fail("unexpected \"" + t.text + "\" at position " + std::to_string(t.pos + 1));
    }
  }

  NodePtr field(const Token& t) {
    for (size_t i = 0; i < fields_.size(); ++i) {
      const FieldDef& f = fields_[i];
      if (runtime::upper(f.name) != t.text) continue;
      auto n = std::make_shared<Node>();
      n->op = Op::Field;
      n->field = i;
      n->width = f.length;
      switch (f.type) {
        case FieldType::Character: n->type = KeyType::Character; break;
        case FieldType::Numeric:
          n->type = KeyType::Numeric;
          n->decimals = f.decimals;
          break;
        case FieldType::Date: n->type = KeyType::Date; n->width = 8; break;
        case FieldType::Logical: n->type = KeyType::Logical; n->width = 1; break;
        case FieldType::Memo: fail("memo field " + t.text + " cannot be part of a key");
      }
      return n;
    }
    fail("unknown field " + t.text);
  }

  // A width, count or position: it must be written in the expression,
  // otherwise the key's width would follow the data.
  int literal_int(const NodePtr& n, const std::string& fn) {
    const auto* d = std::get_if<Decimal>(&n->literal);
    if (n->op != Op::Number || !d || d->scale() != 0 || *d < 0 || *d > 65535)
      fail(fn + " needs a whole number written in the key (a width taken from the data is not allowed)");
    return static_cast<int>(d->to_int());
  }

  NodePtr call(const Token& name) {
    take();  // "("
    std::vector<NodePtr> args;
    if (peek().kind != Tok::Close) {
      args.push_back(expression());
      while (peek().kind == Tok::Comma) {
        take();
        args.push_back(expression());
      }
    }
    expect(Tok::Close, "\")\"");
    return function(name.text, args);
  }

  void arity(const std::string& fn, const std::vector<NodePtr>& args, size_t lo, size_t hi) {
    if (args.size() < lo || args.size() > hi)
      fail(fn + " takes " + std::to_string(lo) + (hi > lo ? " to " + std::to_string(hi) : "") + " argument" +
           (hi > 1 ? "s" : "") + ", not " + std::to_string(args.size()));
  }

  void want(const std::string& fn, const NodePtr& arg, KeyType t) {
    if (arg->type != t) fail(fn + " takes " + type_name(t) + ", not " + type_name(arg->type));
  }

  NodePtr function(const std::string& fn, const std::vector<NodePtr>& args) {
    auto n = std::make_shared<Node>();
    n->args = args;
    n->type = KeyType::Character;
    if (fn == "DTOS" || fn == "M2921DD") {
      arity(fn, args, 1, 1);
      want(fn, args[0], KeyType::Date);
      n->op = fn == "DTOS" ? Op::Dtos : Op::MonthDay;
      n->width = fn == "DTOS" ? 8 : 4;
    } else if (fn == "STR" || fn == "STRZERO") {
      arity(fn, args, 1, 3);
      want(fn, args[0], KeyType::Numeric);
      n->op = fn == "STR" ? Op::Str : Op::Strzero;
      n->a = args.size() > 1 ? literal_int(args[1], fn) : args[0]->width;
      n->b = args.size() > 2 ? literal_int(args[2], fn) : (args.size() > 1 ? 0 : args[0]->decimals);
      if (n->a > 256) fail(fn + " of " + std::to_string(n->a) + " positions is wider than any key");
      if (n->b > Decimal::kMaxScale) fail(fn + " with " + std::to_string(n->b) + " decimals");
      n->width = n->a;
      n->args.resize(1);
    } else if (fn == "LEFT" || fn == "RIGHT") {
      arity(fn, args, 2, 2);
      want(fn, args[0], KeyType::Character);
      n->op = fn == "LEFT" ? Op::Left : Op::Right;
      n->a = literal_int(args[1], fn);
      n->width = std::min(n->a, args[0]->width);
      n->args.resize(1);
    } else if (fn == "SUBSTR") {
      arity(fn, args, 2, 3);
      want(fn, args[0], KeyType::Character);
      n->op = Op::Substr;
      n->a = std::max(1, literal_int(args[1], fn));
      n->b = args.size() > 2 ? literal_int(args[2], fn) : -1;
      int rest = std::max(0, args[0]->width - n->a + 1);
      n->width = n->b < 0 ? rest : std::min(n->b, rest);
      n->args.resize(1);
    } else if (fn == "UPPER" || fn == "DESCEND") {
      arity(fn, args, 1, 1);
      want(fn, args[0], KeyType::Character);
      n->op = fn == "UPPER" ? Op::Upper : Op::Descend;
      n->width = args[0]->width;
    } else if (data_dependent(fn)) {
      fail(fn + " gives a width that depends on the data");
    } else {
      fail("unknown function " + fn);
    }
    return n;
  }

  std::string_view text_;
  const std::vector<FieldDef>& fields_;
  std::string_view table_;
  std::vector<Token> tokens_;
  size_t next_ = 0;
};

}  // namespace

std::shared_ptr<const KeyExpression::Node> parse_key(std::string_view text, const std::vector<FieldDef>& fields,
                                                     std::string_view table_name) {
  return Parser(text, fields, table_name).parse();
}

}  // namespace zelto::xbase
