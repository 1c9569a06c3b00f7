#include "store/on_demand.hpp"

#include <chrono>
#include <filesystem>

#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "store/back_office_catalogue.hpp"
#include "store/open_failure.hpp"

namespace zelto::store {
namespace {

constexpr std::chrono::milliseconds kRetryPause{100};
constexpr long kAttemptsPerMessage = 80;

bool file_exists(const core::Ctx& ctx, std::string_view name) {
  std::error_code ec;
  return std::filesystem::exists(ctx.db.path_of(name), ec);
}

// The back office holds NV only while it hands out one number, so waiting
// for it always ends.
void open_waiting(core::Ctx& ctx, const BackOfficeEntry& entry, const std::vector<xbase::OrderSpec>& orders) {
  for (long failed = 0;;) {
    try {
      ctx.db.use(entry.file, entry.alias, xbase::OpenMode::Exclusive, orders);
      return;
    } catch (const xbase::Error& e) {
      if (e.kind() != xbase::ErrorKind::InUse) throw;
    }
    if (++failed % kAttemptsPerMessage == 0) core::G_MENS(ctx, "Esperando destravar o Arquivo NV");
    ctx.clock.sleep(kRetryPause);
  }
}

}  // namespace

bool G_ABRE5(core::Ctx& ctx, const core::Text& alias) {
  const core::Text wanted = runtime::upper(runtime::trim(alias));
  if (ctx.db.is_open(wanted)) return true;
  const BackOfficeEntry* entry = find_back_office_entry(wanted);
  if (!entry) {
    core::G_ERRO(ctx, "Nao achou o alias \"" + wanted + "\" no catalogo da retaguarda");
    return false;
  }
  if (!file_exists(ctx, entry->file)) {
    core::G_ERRO(ctx, missing_file_message(entry->file));
    return false;
  }
  for (const IndexFile& index : entry->orders) {
    if (!file_exists(ctx, index.file)) {
      core::G_ERRO(ctx, missing_file_message(index.file));
      return false;
    }
  }
  // With their keys, so that an index found damaged is rebuilt rather than
  // refused.
  const auto orders = order_specs(*entry);
  try {
    if (entry->open == BackOfficeOpen::ExclusiveWaiting)
      open_waiting(ctx, *entry, orders);
    else
      ctx.db.use(entry->file, entry->alias, xbase::OpenMode::Shared, orders);
  } catch (const std::exception& e) {
    if (ctx.db.is_open(entry->alias)) ctx.db.close(entry->alias);
    core::G_ERRO(ctx, open_failure_message(entry->file, e));
    return false;
  }
  return true;
}

void A1_CLOS_(core::Ctx& ctx, const core::Text& alias) {
  if (ctx.db.is_open(alias)) ctx.db.close(alias);
}

}  // namespace zelto::store
