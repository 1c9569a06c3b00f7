#include "platform/runtime/picture.hpp"

#include <algorithm>

#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::runtime {

Picture Picture::parse(std::string_view picture) {
  Picture p;
  if (!picture.empty() && picture.front() == '@') {
    size_t blank = picture.find(' ');
    std::string_view fn = picture.substr(1, blank == std::string_view::npos ? std::string_view::npos : blank - 1);
    p.functions = upper(fn);
    if (blank != std::string_view::npos) p.template_text = std::string(picture.substr(blank + 1));
  } else {
    p.template_text = std::string(picture);
  }
  return p;
}

bool Picture::is_template_letter(char c) {
  switch (c) {
    case '9': case '#': case 'A': case 'N': case 'X': case '!': case 'L': case 'Y':
    case 'a': case 'n': case 'x': case 'l': case 'y':
      return true;
    default:
      return false;
  }
}

std::string transform(std::string_view text, std::string_view picture) {
  Picture p = Picture::parse(picture);
  const bool all_upper = p.has('!');
  std::string out;
  if (p.template_text.empty()) {
    out = std::string(text);
  } else {
    const bool insert_literals = p.has('R');
    size_t vi = 0;
    for (char t : p.template_text) {
      if (Picture::is_template_letter(t)) {
        char c = vi < text.size() ? text[vi] : ' ';
        ++vi;
        if (t == '!') c = upper_1252_char(c);
        out.push_back(c);
      } else {
        out.push_back(t);
        if (!insert_literals) ++vi;
      }
    }
  }
  return all_upper ? upper_1252(out) : out;
}

namespace {

bool digit_slot(char t) { return t == '9' || t == '#'; }

std::string transform_template_number(const Decimal& number, const Picture& p) {
  const std::string& tpl = p.template_text;
  const size_t point = tpl.find('.');
  const size_t int_end = point == std::string::npos ? tpl.size() : point;
  int decimals = 0;
  for (size_t i = int_end; i < tpl.size(); ++i)
    if (digit_slot(tpl[i])) ++decimals;

  const Decimal rounded = number.round(decimals);
  const std::string plain = rounded.abs().to_string();  // "1234.50", "0.50"
  const size_t dot = plain.find('.');
  const std::string int_digits = plain.substr(0, dot);
  const std::string dec_digits = dot == std::string::npos ? "" : plain.substr(dot + 1);

  std::string out = tpl;
  size_t di = 0;
  for (size_t i = int_end; i < tpl.size(); ++i)
    if (digit_slot(tpl[i])) out[i] = dec_digits[di++];

  // Integer digits from the right; the sign takes the slot after the last
  // digit; separators with no digit to their left turn blank.
  size_t left = int_digits.size();
  bool sign_pending = rounded.sign() < 0;
  for (size_t i = int_end; i-- > 0;) {
    if (digit_slot(tpl[i])) {
      if (left > 0) {
        out[i] = int_digits[--left];
      } else if (sign_pending) {
        out[i] = '-';
        sign_pending = false;
      } else {
        out[i] = ' ';
      }
    } else if (left == 0 && !Picture::is_template_letter(tpl[i])) {
      out[i] = ' ';
    }
  }
  if (left > 0 || sign_pending) {
    for (size_t i = 0; i < out.size(); ++i)
      if (digit_slot(tpl[i])) out[i] = '*';
  }
  if (p.has('E')) {
    for (char& c : out) c = c == '.' ? ',' : c == ',' ? '.' : c;
  }
  return out;
}

}  // namespace

std::string transform(const Decimal& number, std::string_view picture, int width, int decimals) {
  Picture p = Picture::parse(picture);
  std::string out;
  if (p.has('Z') && number.is_zero()) {
    size_t w = p.template_text.empty() ? static_cast<size_t>(width) : p.template_text.size();
    return std::string(w, ' ');
  }
  if (p.template_text.empty()) {
    out = str(number, width, decimals);
    if (p.has('E')) {
      for (char& c : out) c = c == '.' ? ',' : c;
    }
  } else {
    out = transform_template_number(number, p);
  }
  if (p.has('B')) out = padr(ltrim(out), out.size());
  return out;
}

std::string transform(const Date& date, std::string_view picture) {
  (void)picture;  // dates always show in the day/month/year form
  return date.text();
}

std::string transform_logical(bool flag, std::string_view picture) {
  Picture p = Picture::parse(picture);
  if (!p.template_text.empty() && (p.template_text[0] == 'Y' || p.template_text[0] == 'y'))
    return flag ? "Y" : "N";
  return flag ? "T" : "F";
}

}  // namespace zelto::runtime
