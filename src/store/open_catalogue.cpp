#include "store/open_catalogue.hpp"

#include <filesystem>

#include "core/dialogs.hpp"
#include "store/lookup.hpp"
#include "store/open_failure.hpp"

namespace zelto::store {
namespace {

bool file_exists(const core::Ctx& ctx, std::string_view name) {
  std::error_code ec;
  return std::filesystem::exists(ctx.db.path_of(name), ec);
}

bool open_single(core::Ctx& ctx, Opener opener, OpeningProgress& progress, const core::Text& flag) {
  for (const auto& entry : front_end_catalogue())
    if (entry.opener == opener) return open_catalogue_entry(ctx, entry, progress, flag) == Opened::Ok;
  return false;
}

}  // namespace

Opened open_catalogue_entry(core::Ctx& ctx, const CatalogueEntry& entry, OpeningProgress& progress,
                            const core::Text& flag) {
  M_ABREAR(ctx, progress, flag);
  if (!file_exists(ctx, entry.file())) {
    core::G_ERRO(ctx, missing_file_message(entry.file()));
    return Opened::Missing;
  }
  if (ctx.db.is_open(entry.alias())) ctx.db.close(entry.alias());
  // The engine builds the missing index files while it opens the table;
  // their steps are counted just before.
  for (const IndexFile& index : entry.orders)
    if (!file_exists(ctx, index.file)) M_ABREAR(ctx, progress, flag);
  const auto orders = order_specs(entry);
  try {
    ctx.db.use(entry.file(), entry.alias(), entry.mode, orders);
    if (entry.alias() == "IO") {
      // Opened again once its index files exist: the work table of the
      // receipt being sold must be this instance's alone, with its three
      // orders, whatever the first open left behind.
      ctx.db.close(entry.alias());
      ctx.db.use(entry.file(), entry.alias(), xbase::OpenMode::Exclusive, orders);
    }
  } catch (const std::exception& e) {
    if (ctx.db.is_open(entry.alias())) ctx.db.close(entry.alias());
    core::G_ERRO(ctx, open_failure_message(entry.file(), e));
    return Opened::Failed;
  }
  return Opened::Ok;
}

OpenReport G_ABREAR(core::Ctx& ctx, OpeningProgress& progress) {
  OpenReport report;
  for (const auto& entry : front_end_catalogue()) {
    switch (open_catalogue_entry(ctx, entry, progress)) {
      case Opened::Ok: break;
      case Opened::Missing: report.missing.emplace_back(entry.file()); break;
      case Opened::Failed: report.failed.emplace_back(entry.file()); break;
    }
  }
  if (!report.ok()) ctx.run.request_end("G_ABREAR");
  return report;
}

OpenReport G_ABREAR(core::Ctx& ctx) {
  OpeningProgress none;
  return G_ABREAR(ctx, none);
}

bool G_AB_IE(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag) {
  return open_single(ctx, Opener::G_AB_IE, progress, flag);
}
bool G_AB_ST(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag) {
  return open_single(ctx, Opener::G_AB_ST, progress, flag);
}
bool G_AB_IR(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag) {
  return open_single(ctx, Opener::G_AB_IR, progress, flag);
}
bool G_AB_A1(core::Ctx& ctx, OpeningProgress& progress, const core::Text& flag) {
  return open_single(ctx, Opener::G_AB_A1, progress, flag);
}

bool ABRIR_M001(core::Ctx& ctx) {
  const CatalogueEntry& us = *find_entry("US");
  if (!file_exists(ctx, us.file())) {
    core::G_ERRO(ctx, core::Text(us.file()));
    ctx.run.request_end("ABRIR_M001");
    return false;
  }
  if (ctx.db.is_open(us.alias())) ctx.db.close(us.alias());
  try {
    ctx.db.use(us.file(), us.alias(), xbase::OpenMode::Shared, {order_specs(us).front()});
  } catch (const std::exception& e) {
    if (ctx.db.is_open(us.alias())) ctx.db.close(us.alias());
    core::G_ERRO(ctx, open_failure_message(us.file(), e));
    ctx.run.request_end("ABRIR_M001");
    return false;
  }
  return true;
}

}  // namespace zelto::store
