#include "sales/footer_layout.hpp"

#include <array>

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "sales/footer_expression.hpp"

namespace zelto::sales {
namespace {

using core::Text;
using runtime::trim;

std::array<Text*, 8> footer_lines(core::Globals& g) {
  return {&g.WLIN1, &g.WLIN2, &g.WLIN3, &g.WLIN4, &g.WLIN5, &g.WLIN6, &g.WLIN7, &g.WLIN8};
}

// An expression that does not evaluate places nothing: the receipt must
// still close with the rest of its footer.
Text evaluated(core::Ctx& ctx, const Text& expression) {
  return eval_footer_expression(ctx.g, trim(expression)).value_or(Text());
}

// The footer field named by `name`; false when AM does not hold it.
bool footer_field(core::Ctx& ctx, const Text& name, Text& out) {
  xbase::Table& am = ctx.db.area("AM");
  am.set_order(1);
  if (name.empty() || !am.seek(name)) return false;
  out = evaluated(ctx, am.text("C953"));
  return true;
}

}  // namespace

Text place_footer_text(const Text& line, int column, const Text& text, int width) {
  const std::size_t col = static_cast<std::size_t>(column < 0 ? 0 : column);
  Text out = line.substr(0, std::min(col, line.size())) + text;
  const std::size_t rest = col + text.size();
  const std::size_t end = std::min(line.size(), static_cast<std::size_t>(width));
  if (rest < end) out += line.substr(rest, end - rest);
  return out;
}

void compose_footer(core::Ctx& ctx) {
  core::Globals& g = ctx.g;
  const int cols = static_cast<int>(g.WCOL.to_int());
  const int width = cols == 40 ? 40 : 48;
  auto lines = footer_lines(g);
  for (Text* l : lines) *l = Text(static_cast<std::size_t>(cols > 0 ? cols : 0), ' ');
  g.WMES = "";

  xbase::Table& lt = ctx.db.area("LT");
  lt.set_order(1);
  const Text layout = runtime::padr(g.W_LAYOUT, 3);
  if (!trim(g.W_LAYOUT).empty() && lt.seek(layout)) {
    for (; !lt.eof() && lt.text("C350") == layout; lt.skip()) {
      const int line = static_cast<int>(lt.number("C353").to_int());
      if (line < 1 || line > 8) {
        core::G_ERRO(ctx, "O layout possui campo na linha \"" + trim(runtime::str(lt.number("C353"), 3)) +
                              "\", tem que ser linha de 1 a 8.");
        continue;
      }
      const Text kind = lt.text("C355");
      const Text body = lt.text("C357");
      Text text;
      if (kind == "M") {
        text = trim(body);
      } else if (kind == "C" || kind == "T" || kind == "E") {
        text = evaluated(ctx, body);
      } else if (!footer_field(ctx, trim(body), text)) {
        core::G_ERRO(ctx, "Nao achou o campo de impressao " + trim(body));
        break;
      }
      Text& target = *lines[static_cast<std::size_t>(line - 1)];
      target = place_footer_text(target, static_cast<int>(lt.number("C354").to_int()), text, width);
    }
  }
  int last = 0;
  for (int i = 0; i < 8; ++i) {
    Text& l = *lines[static_cast<std::size_t>(i)];
    if (l.size() > 48) l.resize(48);
    if (!trim(l).empty()) last = i + 1;
  }
  for (int i = 0; i < last; ++i) g.WMES += *lines[static_cast<std::size_t>(i)];
}

}  // namespace zelto::sales
