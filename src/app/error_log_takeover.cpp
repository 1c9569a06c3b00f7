// Taking over the error log an earlier run left in the data folder: its
// description goes into the error-log table (Y0), where the menu's viewer
// shows it, and the file is deleted. Until the table holds it the file
// stays, so nothing an earlier run recorded is lost.

#include <chrono>
#include <ctime>
#include <filesystem>

#include "app/startup.hpp"
#include "core/dialogs.hpp"
#include "core/error_log.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/runtime/cp1252.hpp"

namespace zelto::app {
namespace {

// The file's date and time as the directory listing shows them.
os::LocalTime file_time(const std::filesystem::path& file) {
  const auto written = std::filesystem::last_write_time(file);
  const std::time_t t =
      std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(written)));
  std::tm tm{};
  ::localtime_r(&t, &tm);
  os::LocalTime lt;
  lt.date = runtime::Date::ymd(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday).value_or(runtime::Date{});
  lt.hour = tm.tm_hour;
  lt.minute = tm.tm_min;
  lt.second = tm.tm_sec;
  return lt;
}

// The description: the lines before the first one that holds "SYSTEM".
core::Text description_of(const std::filesystem::path& file) {
  core::Text text;
  for (const auto& line : core::read_error_log_lines(file)) {
    if (core::is_system_line(line)) break;
    text += line + "\r\n";
  }
  return text;
}

void store_in_error_table(core::Ctx& ctx, const core::Text& text, const os::LocalTime& written) {
  xbase::Table& y0 = ctx.db.area("Y0");
  const os::LocalTime now = ctx.clock.now();
  y0.append_blank();
  y0.put("C901", text);
  y0.put("C902", written.date);
  y0.put("C903", written.hhmmss());
  y0.put("C001", ctx.g.VUSU);
  y0.put("C262", now.date);
  y0.put("C263", now.hhmm());
  y0.unlock();
  y0.commit();
}

}  // namespace

void GRAVAR_LOG_ERRO(core::Ctx& ctx) {
  const auto file = os::find_file(ctx.folder(), core::kErrorLogFile);
  if (!file) return;
  try {
    store_in_error_table(ctx, description_of(*file), file_time(*file));
  } catch (const std::exception& e) {
    core::G_ALERT(ctx, "O arquivo error.log nao foi gravado no registro de erros e foi mantido: " +
                           runtime::utf8_to_cp1252(e.what()));
    return;
  }
  std::error_code gone;
  std::filesystem::remove(*file, gone);
  if (gone)
    core::G_ALERT(ctx, "O arquivo error.log foi gravado no registro de erros mas nao pode ser apagado: " +
                           runtime::utf8_to_cp1252(gone.message()));
}

}  // namespace zelto::app
