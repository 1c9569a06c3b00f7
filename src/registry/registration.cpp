#include "registry/registration.hpp"

#include "core/dialogs.hpp"
#include "store/record_lock.hpp"

namespace zelto::registry {
namespace {

bool run_form(core::Ctx& ctx, const Registration& screen, Mode mode) {
  const bool saved = TELA_LE_CAMPOS(ctx, entry_screen(ctx, screen, mode));
  if (screen.afterwards) screen.afterwards(ctx, mode, saved);
  return saved;
}

// The first use of the record in another table, or nothing.
std::optional<Text> first_use(core::Ctx& ctx, const Registration& screen, const xbase::Table& record) {
  for (const ReferenceCheck& ref : screen.references) {
    xbase::Table& other = ctx.db.area(ref.alias);
    const xbase::Position here = other.position();
    other.set_order(0);
    std::optional<Text> found;
    for (other.go_top(); !other.eof(); other.skip(1)) {
      if (ref.uses && ref.uses(other, record)) {
        found = ref.message ? ref.message(other) : Text();
        break;
      }
    }
    other.restore(here);
    if (found) return found;
  }
  return std::nullopt;
}

}  // namespace

EntryScreen entry_screen(core::Ctx& ctx, const Registration& screen, Mode mode) {
  EntryScreen def;
  def.mode = mode;
  const std::size_t title = mode == Mode::I ? 0 : mode == Mode::A ? 1 : 2;
  def.title = screen.form_code + " - " + screen.titles[title];
  if (screen.fields) def.fields = screen.fields(ctx, mode);
  if (mode != Mode::I && screen.load_record) load_from_record(def.fields, ctx.db.area(screen.alias));
  def.alias = screen.alias;
  def.code = screen.form_code;
  def.key_order = screen.key_order;
  def.numeric_key = screen.numeric_key;
  def.key_width = screen.key_width;
  def.after = screen.after;
  def.save_caption = screen.save_caption;
  def.texts = screen.texts;
  def.first_row = screen.first_row;
  def.row_step = screen.row_step;
  def.exit_check = ask_before_leaving(screen.exit_question);
  return def;
}

bool include_record(core::Ctx& ctx, const Registration& screen) { return run_form(ctx, screen, Mode::I); }

bool change_record(core::Ctx& ctx, const Registration& screen) {
  xbase::Table& t = ctx.db.area(screen.alias);
  if (t.eof()) return false;
  if (store::G_EM_USO(ctx, t)) return false;  // held elsewhere: told once, the form stays shut
  return run_form(ctx, screen, Mode::A);
}

bool view_record(core::Ctx& ctx, const Registration& screen) {
  if (ctx.db.area(screen.alias).eof()) return false;
  run_form(ctx, screen, Mode::V);
  return true;
}

bool delete_record(core::Ctx& ctx, const Registration& screen) {
  xbase::Table& t = ctx.db.area(screen.alias);
  if (t.eof()) return false;
  if (screen.ask_before_locking) {
    if (!core::G_CONF(ctx, screen.delete_question)) return false;
    if (auto use = first_use(ctx, screen, t)) {
      core::G_ERRO(ctx, *use);
      return false;
    }
    if (store::G_EM_USO(ctx, t)) return false;
  } else {
    if (store::G_EM_USO(ctx, t)) return false;
    bool refused = !core::G_CONF(ctx, screen.delete_question);
    if (!refused) {
      if (auto use = first_use(ctx, screen, t)) {
        core::G_ERRO(ctx, *use);
        refused = true;
      }
    }
    if (refused) {
      store::G_DESTRAVA(ctx, t);
      return false;
    }
  }
  t.delete_record();
  store::G_DESTRAVA(ctx, t);
  t.commit();
  // The deleted record is out of sight: the browse goes on from the next one.
  t.skip(1);
  if (t.eof()) t.go_bottom();
  return true;
}

void show_registration(core::Ctx& ctx, const Registration& screen) {
  xbase::Table& t = ctx.db.area(screen.alias);
  if (screen.order > 0) t.set_order(screen.order);
  if (screen.from_top) t.go_top();
  TableDialog dialog;
  dialog.code = screen.code;
  dialog.title = screen.browse_title;
  dialog.alias = screen.alias;
  dialog.columns = screen.columns;
  dialog.frozen = screen.frozen;
  dialog.buttons = {
      {"&Visualizar", [&screen](core::Ctx& c) { view_record(c, screen); }},
      {"&Incluir", [&screen](core::Ctx& c) { include_record(c, screen); }},
      {"&Alterar", [&screen](core::Ctx& c) { change_record(c, screen); }},
      {"&Excluir", [&screen](core::Ctx& c) { delete_record(c, screen); }},
  };
  TELA_DIALOG(ctx, dialog);
}

}  // namespace zelto::registry
