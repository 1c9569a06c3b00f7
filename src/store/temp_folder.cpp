#include "store/temp_folder.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/open_failure.hpp"
#include "store/system_path.hpp"

namespace zelto::store {
namespace fs = std::filesystem;
namespace {

constexpr int kNumbers = 10000;  // four digits

enum class Claim { Taken, Exists, Failed };

// Creates the file only when no file of that name exists.
Claim claim(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (fd >= 0) {
    ::close(fd);
    return Claim::Taken;
  }
  return errno == EEXIST ? Claim::Exists : Claim::Failed;
}

}  // namespace

fs::path temp_folder(const core::Ctx& ctx) { return system_path(ctx.folder(), ctx.g.VTMP); }

int temp_number(const os::LocalTime& time) { return time.hour * 100 + time.second; }

std::optional<TempFileName> claim_temp_file_name(core::Ctx& ctx, const core::Text& infix) {
  std::error_code ec;
  fs::create_directories(temp_folder(ctx), ec);
  int number = temp_number(ctx.clock.now());
  for (int tried = 0; tried < kNumbers; ++tried, number = (number + 1) % kNumbers) {
    TempFileName candidate;
    candidate.name = ctx.g.VTMP + ctx.g.VUSU + infix + runtime::strzero(core::Decimal(number), 4);
    // Found in any case: "GER1437.DBF" takes the name as much as "ger1437.dbf".
    candidate.dbf = system_path(ctx.folder(), candidate.name + ".dbf");
    if (fs::exists(candidate.dbf, ec)) continue;
    switch (claim(candidate.dbf)) {
      case Claim::Taken: return candidate;
      case Claim::Exists: continue;
      case Claim::Failed: return std::nullopt;
    }
  }
  return std::nullopt;
}

xbase::Table* create_temp_file_table(core::Ctx& ctx, const core::Text& alias, std::vector<xbase::FieldDef> fields,
                                     const core::Text& key, const core::Text& infix) {
  const auto name = claim_temp_file_name(ctx, infix);
  if (!name) {
    core::G_ERRO(ctx, "Nao foi possivel criar um arquivo temporario em " + temp_folder(ctx).string());
    return nullptr;
  }
  if (ctx.db.is_open(alias)) ctx.db.close(alias);
  try {
    ctx.db.create(name->dbf.string(), std::move(fields));
    std::vector<xbase::OrderSpec> orders;
    if (!key.empty()) orders.push_back({fs::path(name->dbf).replace_extension(".ntx").string(), key});
    return &ctx.db.use(name->dbf.string(), alias, xbase::OpenMode::Exclusive, orders);
  } catch (const std::exception& e) {
    if (ctx.db.is_open(alias)) ctx.db.close(alias);
    core::G_ERRO(ctx, open_failure_message(name->name, e));
    return nullptr;
  }
}

void G_DELTMP(core::Ctx& ctx, bool quiet) {
  if (runtime::trim(ctx.g.VTMP).empty()) return;
  const fs::path folder = temp_folder(ctx);
  std::error_code ec;
  if (!fs::is_directory(folder, ec) || fs::equivalent(folder, ctx.folder(), ec)) return;
  std::vector<fs::path> files;
  for (const auto& item : fs::directory_iterator(folder, ec))
    if (item.is_regular_file(ec)) files.push_back(item.path());
  std::unique_ptr<screen::Progress> shown;
  if (!quiet) {
    shown = ctx.screen.open_progress("Zelto Sistemas ", static_cast<long>(files.size()));
    shown->set_text("Espere, Processando...");
  }
  long done = 0;
  for (const auto& file : files) {
    fs::remove(file, ec);
    if (shown) shown->set_value(++done);
  }
}

}  // namespace zelto::store
