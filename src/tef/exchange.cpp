#include "tef/exchange.hpp"

#include <cstdio>

#include "platform/runtime/text.hpp"
#include "tef/exchange_files_io.hpp"

namespace zelto::tef {

Exchange::Exchange(core::Ctx& ctx, std::string_view op, std::string_view manager)
    : operation(op), folder(ctx.folder(), manager) {}

std::vector<core::Text> receipt_lines(const ExchangeFile& response, size_t width) {
  std::vector<core::Text> lines;
  for (int n = 1; n <= 999; ++n) {
    char id[8];
    std::snprintf(id, sizeof id, "029-%03d", n);
    if (!response.has(id)) break;
    const core::Text value = response.field(id);
    const core::Text inner = value.size() >= 2 ? value.substr(1, value.size() - 2) : core::Text();
    lines.push_back(runtime::padr(inner, width));
  }
  return lines;
}

bool POSSUI_029_CUPOM_TEF(core::Ctx& ctx) {
  auto* hand = ctx.services.find<ResponseInHand>();
  if (!hand || !hand->response || !hand->response->has("029-001")) return false;
  const size_t width = static_cast<size_t>(ctx.g.WCOL.trunc(0).to_int());
  core::Text all;
  for (const auto& line : receipt_lines(*hand->response, width)) all += line;
  ctx.g.WTEXTO_TODO = all;
  return true;
}

bool keep_pending(const ManagerFolder& folder, std::string_view bytes) {
  return write_whole(folder.file(kPending), bytes);
}

void forget_pending(const ManagerFolder& folder) { remove_file(folder.file(kPending)); }

}  // namespace zelto::tef
