#include "tef/operator_messages.hpp"

#include <cstdio>

#include "core/dialogs.hpp"
#include "platform/runtime/decimal.hpp"
#include "platform/runtime/text.hpp"
#include "tef/sale_hooks.hpp"
#include "tef/texts.hpp"

namespace zelto::tef {
namespace {

constexpr int kShownLines = 3;

bool lines_counted(const Exchange& exchange) { return runtime::val(exchange.response.field("028-000")) > 0; }

}  // namespace

bool carried_out(const Exchange& exchange) {
  return exchange.operation == "CHQ" || exchange.operation == "CHB" || lines_counted(exchange);
}

void show_manager_messages(core::Ctx& ctx, const Exchange& exchange) {
  const ExchangeFile& response = exchange.response;
  const bool administrative = exchange.operation == "ADM";
  std::vector<core::Text> lines;
  if (response.has("030-000")) {
    lines.push_back("   " + response.field("030-000"));
    for (int n = 1; n < 1000; ++n) {
      char id[8];
      std::snprintf(id, sizeof id, "030-%03d", n);
      if (!response.has(id)) break;
      lines.push_back("   " + response.field(id));
    }
  }
  if (!lines_counted(exchange)) {
    const core::Text first = runtime::trim(response.field("030-000"));
    if (!first.empty()) {
      core::G_ERRO(ctx, first);
    } else if (!carried_out(exchange)) {
      core::G_ERRO(ctx, core::Text(texts::kNotCarriedOut));
    }
    return;
  }
  if (lines.empty()) return;
  if (lines.size() > kShownLines) lines.resize(kShownLines);
  sale_hooks(ctx).show_manager_messages(ctx, lines, administrative);
  ctx.clock.sleep(std::chrono::seconds(3));
}

}  // namespace zelto::tef
