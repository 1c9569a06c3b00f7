// The post-login set-up: the catalogue, the error log of an earlier run,
// the fingerprint files, and the logged-in operator's records.

#include "app/startup.hpp"
#include "app/startup_hooks.hpp"
#include "app/startup_record.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/open_catalogue.hpp"

namespace zelto::app {
namespace {

using core::Ctx;
using core::Text;
using runtime::trim;

// The operator's record of a table keyed by operator code in order 1.
SettingsRecord seek_operator(Ctx& ctx, std::string_view alias) {
  return seek_record(ctx, alias, 1, runtime::padr(ctx.g.VUSU, 3));
}

// A background named by a preference: the picture file when the name
// looks like a file and the folder holds it, else the built-in texture.
Text picture_or(const std::filesystem::path& folder, const Text& name, const Text& built_in) {
  if (name.find('.') == Text::npos) return built_in;
  Text relative = name;
  for (char& c : relative)
    if (c == '\\') c = '/';
  const std::filesystem::path p(relative);
  const auto dir = p.has_parent_path() ? (p.is_absolute() ? p.parent_path() : folder / p.parent_path()) : folder;
  return os::find_file(dir, p.filename().string()) ? name : built_in;
}

Text or_default(const Text& value, const Text& fallback) {
  const Text t = trim(value);
  return t.empty() ? fallback : t;
}

void load_screen_preferences(Ctx& ctx) {
  core::Globals& g = ctx.g;
  const SettingsRecord cf = seek_operator(ctx, "CF");
  g.VMAXIMIZED = cf.is("C209", "S");
  g.VWINDOWMAXIMIZED = cf.is("C210", "S");
  g.VZEBRAR_WINDOW = cf.is("C211", "S");
  g.VBITMAP = !cf.is("C216", "N");
  g.VBOTOES_WNDMAIN = !cf.is("C217", "N");
  const Text menu = trim(cf.text("C218"));
  const core::Decimal menu_number = runtime::val(menu);
  g.VTIPOMENU = menu == "0" ? "0" : menu_number.is_zero() ? "2" : menu_number.to_string();
  g.VMENUS_WNDMAIN = !cf.is("C219", "N");
  g.WOBRUSH = or_default(cf.text("C212"), "pordosol.bmp");
  g.WBRUSH_WINDOW = picture_or(ctx.folder(), or_default(cf.text("C213"), "PEDRA"), "PEDRA");
  g.WOBRUSH22 = picture_or(ctx.folder(), or_default(cf.text("C214"), "PAPEL"), "PAPEL");
  g.WOBRUSH55 = picture_or(ctx.folder(), or_default(cf.text("C215"), "alegria.bmp"), "PAPEL");
}

}  // namespace

bool TESTANDO(Ctx& ctx, screen::Progress& meter) {
  if (ctx.g.VPRIM_VUSU) {
    ctx.db.close_all();
    ctx.g.VPRIM_VUSU = false;
    store::OpeningProgress progress = store::OpeningProgress::start_up(&meter);
    if (!store::G_ABREAR(ctx, progress).ok()) {
      FECHA_SISTEMA(ctx);
      return false;
    }
  }
  GRAVAR_LOG_ERRO(ctx);
  rebuild_fingerprint_files(ctx);
  ctx.g.WNROCAIXAUSUECF = seek_operator(ctx, "US").text("C433");
  load_screen_preferences(ctx);
  return true;
}

}  // namespace zelto::app
