#include "store/reindex.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <utility>

#include "core/dialogs.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/xbase/error.hpp"
#include "store/catalogue.hpp"
#include "store/open_failure.hpp"

namespace zelto::store {
namespace fs = std::filesystem;
namespace {

// Asks the system to put a file's (or folder's) bytes on disk before the
// rename that makes it the index other programs read.
void sync_path(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) throw xbase::Error(xbase::ErrorKind::Io, path.string() + ": cannot be opened to be written to disk");
  const int rc = ::fsync(fd);
  ::close(fd);
  if (rc != 0) throw xbase::Error(xbase::ErrorKind::Io, path.string() + ": cannot be written to disk");
}

// The name a new index is built under, beside the file it will replace; no
// program of the family takes it for an index.
fs::path pending_path(const fs::path& index) {
  return os::resolve(index.parent_path(), index.filename().string() + ".new");
}

bool file_exists(const core::Ctx& ctx, std::string_view name) {
  std::error_code ec;
  return fs::exists(ctx.db.path_of(name), ec);
}

// Rebuilds one table's index files; the reason when they were left alone.
std::optional<core::Text> rebuild_table(core::Ctx& ctx, const CatalogueEntry& entry, OpeningProgress& progress) {
  M_ABREAR(ctx, progress);
  // A missing table is the opening pass's to report.
  if (entry.orders.empty() || !file_exists(ctx, entry.file())) return std::nullopt;
  std::vector<std::pair<fs::path, fs::path>> pending;  // new file, the index it replaces
  try {
    // Exclusive: nobody else may read the old files while they are replaced.
    xbase::Table& table = ctx.db.use(entry.file(), entry.alias(), xbase::OpenMode::Exclusive);
    for (const IndexFile& index : entry.orders) {
      M_ABREAR(ctx, progress);
      const fs::path target = ctx.db.path_of(index.file);
      const fs::path fresh = pending_path(target);
      fs::remove(fresh);  // left behind by a rebuild that was cut short
      pending.emplace_back(fresh, target);
      table.add_order(fresh, index.key);
    }
    for (const auto& [fresh, target] : pending) sync_path(fresh);
    for (const auto& [fresh, target] : pending) fs::rename(fresh, target);
    sync_path(ctx.db.folder());
    ctx.db.close(entry.alias());
  } catch (const std::exception& e) {
    if (ctx.db.is_open(entry.alias())) ctx.db.close(entry.alias());
    std::error_code ec;
    for (const auto& [fresh, target] : pending) fs::remove(fresh, ec);
    return core::Text(entry.file()) + ": " + open_failure_reason(e);
  }
  return std::nullopt;
}

ReindexOutcome rebuild_and_open(core::Ctx& ctx, OpeningProgress* progress) {
  OpeningProgress none;
  OpeningProgress& steps = progress ? *progress : none;
  ReindexOutcome outcome;
  outcome.ran = true;
  outcome.left_alone = rebuild_catalogue_indexes(ctx, steps);
  outcome.opened = G_ABREAR(ctx, steps);
  return outcome;
}

}  // namespace

std::vector<core::Text> rebuild_catalogue_indexes(core::Ctx& ctx, OpeningProgress& progress) {
  ctx.db.close_all();
  std::vector<core::Text> left_alone;
  for (const auto& entry : front_end_catalogue())
    if (auto why = rebuild_table(ctx, entry, progress)) left_alone.push_back(std::move(*why));
  if (!left_alone.empty()) {
    core::Text message = "Os indices destes arquivos nao foram refeitos:";
    for (const auto& line : left_alone) message += "\n" + line;
    core::G_ALERT(ctx, message);
  }
  return left_alone;
}

ReindexOutcome REINDEXAR(core::Ctx& ctx, OpeningProgress* progress) {
  if (!core::G_CONF(ctx, "Confirma a Reindexacao dos Arquivos")) return {};
  ReindexOutcome outcome = rebuild_and_open(ctx, progress);
  ctx.db.close_all();
  // A pass that failed has asked for the end already, and said why.
  if (!ctx.run.end_requested) ABRIR_M001(ctx);
  return outcome;
}

ReindexOutcome M52(core::Ctx& ctx, const RightCheck& permitted, OpeningProgress* progress) {
  if (permitted && !permitted(ctx, "M52")) return {};
  if (!core::G_CONF(ctx, "Confirma a Reindexa\xE7"
                         "ao dos Arquivos"))
    return {};
  const core::Text before = ctx.screen.message();
  ctx.screen.set_message("Espere, processando ...");
  ReindexOutcome outcome = rebuild_and_open(ctx, progress);
  ctx.screen.set_message(before);
  return outcome;
}

}  // namespace zelto::store
