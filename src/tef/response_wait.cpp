#include "tef/response_wait.hpp"

#include "core/dialogs.hpp"
#include "tef/exchange_files_io.hpp"
#include "tef/requests.hpp"
#include "tef/texts.hpp"
#include "tef/waiting.hpp"

namespace zelto::tef {
namespace {

// A manager that ends its files with "999-999" has finished writing them;
// one that does not is trusted once the file reads the same a second later.
bool complete(const ExchangeFile& file, const std::optional<std::string>& read_before) {
  return file.has("999-999") || (read_before && *read_before == file.bytes());
}

// The response to this request, when it is there and written whole.
std::optional<ExchangeFile> arrived(Exchange& exchange, std::optional<std::string>& read_before) {
  const auto path = exchange.folder.file(kResponse);
  auto response = read_exchange_file(path);
  if (!response) return std::nullopt;
  if (!names_request(response->field("001-000"), exchange.number)) {
    // Left over from an earlier request. Taken aside before it is removed,
    // so that this request's response, if it came in the meantime, is kept.
    auto taken = take_file(path);
    if (taken && names_request(taken->field("001-000"), exchange.number) && taken->has("999-999")) return taken;
    return std::nullopt;
  }
  if (!complete(*response, read_before)) {
    read_before = response->bytes();
    return std::nullopt;
  }
  return response;
}

}  // namespace

bool wait_for_response(core::Ctx& ctx, Exchange& exchange) {
  auto& g = ctx.g;
  Stopwatch patience(ctx.clock);
  std::optional<std::string> read_before;
  for (;;) {
    ctx.screen.set_message(core::Text(texts::kWaitingResponse) + count_text(g.WLENDOO));
    if (auto response = arrived(exchange, read_before)) {
      exchange.response = std::move(*response);
      remove_file(exchange.folder.file(kRequest));
      keep_pending(exchange.folder, exchange.response.bytes());
      return true;
    }
    pause_a_second(ctx);
    g.WLENDOO = g.WLENDOO + 1;
    if (patience.elapsed() >= kResponsePatience.count()) {
      if (!core::G_CONF(ctx, core::Text(texts::kKeepWaitingResponse), "S")) return false;
      patience.restart();
    }
  }
}

}  // namespace zelto::tef
