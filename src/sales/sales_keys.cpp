#include "sales/sales_keys.hpp"

#include <memory>

#include "app/startup.hpp"
#include "core/dialogs.hpp"
#include "core/run_guard.hpp"
#include "sales/closing_screen.hpp"
#include "sales/item_entry.hpp"
#include "sales/sales_window.hpp"

namespace zelto::sales {
namespace {

using core::Ctx;
using screen::Key;

struct KeptHost {
  SalesHost host;
};

// Every key of the screen ends with the focus back on the item code, unless
// the run is ending.
std::function<void()> key_action(Ctx& ctx, std::string name, std::function<void()> action) {
  return core::guarded(ctx, std::move(name), [&ctx, action = std::move(action)] {
    action();
    if (!ctx.run.end_requested) focus_item_code(ctx);
  });
}

std::function<void()> placeholder(Ctx& ctx, std::string name) {
  return key_action(ctx, name, [&ctx, name] { not_in_this_version(ctx, name); });
}

struct FreeKey {
  Key key;
  const char* name;  // the operation the key starts
  bool needs_printer;
};

constexpr FreeKey kFreeKeys[] = {
    {Key::F2, "M151", false},          {Key::F3, "ABRE_ECF_BEM7", true}, {Key::F4, "M61", false},
    {Key::F5, "M62A", false},          {Key::F6, "CANCELA_BEM7", true},  {Key::F7, "REDUCAO_Z", true},
    {Key::F8, "LEITURA_X", true},      {Key::F9, "MONTA_MENU_FISCAL", false},
    {Key::F10, "MENU", false},         {Key::F11, "SAIR_SISTEMA", false},
};

int key_number(Key key) { return static_cast<int>(key) - static_cast<int>(Key::F1) + 1; }

std::function<void()> free_action(Ctx& ctx, const FreeKey& k) {
  const int number = key_number(k.key);
  const std::string name = k.name;
  return key_action(ctx, name, [&ctx, number, name] {
    const SalesHost& host = sales_host(ctx);
    if (host.free_key) {
      host.free_key(ctx, number);
    } else if (name == "SAIR_SISTEMA") {
      app::SAIR_SISTEMA(ctx);
    } else {
      not_in_this_version(ctx, name);
    }
  });
}

// F3 and F5: the closing keeps the focus on its own fields once it starts.
std::function<void()> closing_key(Ctx& ctx, char mode) {
  return core::guarded(ctx, "FECHA_CUPOM", [&ctx, mode] {
    if (!FECHA_CUPOM(ctx, mode) && !ctx.run.end_requested) focus_item_code(ctx);
  });
}

void bind_f12(Ctx& ctx, screen::Window& w) {
  w.bind_key(Key::F12, key_action(ctx, "F12_ITENS_ATIVOS", [&ctx] { F12_ITENS_ATIVOS(ctx); }));
}

const char* const kReceiptButtons[] = {names::kCashButton,       names::kAnyFormButton,    names::kCancelReceiptButton,
                                       names::kCancelItemButton, names::kItemTableButton, names::kLinesButton};

}  // namespace

void keep_host(Ctx& ctx, const SalesHost& host) { ctx.services.put(std::make_shared<KeptHost>(KeptHost{host})); }

const SalesHost& sales_host(const Ctx& ctx) {
  static const SalesHost none;
  const KeptHost* kept = ctx.services.find<KeptHost>();
  return kept ? kept->host : none;
}

void not_in_this_version(Ctx& ctx, const std::string& name) {
  core::G_ALERT(ctx, "Funcao nao disponivel nesta versao: " + name);
}

void focus_item_code(Ctx& ctx) {
  screen::Window* w = find_sales_window(ctx);
  if (!w || !w->entry()) return;
  screen::FormSession& row = *w->entry();
  const std::size_t i = row.index_of(kItemCodeField);
  if (row.field(kItemCodeField).focusable()) row.focus(i);
}

void ATIVA_KEYS(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  for (const char* b : kReceiptButtons) w.set_enabled(b, true);
  w.bind_key(Key::F2, placeholder(ctx, "M151"));
  w.bind_key(Key::F3, closing_key(ctx, 'D'));
  w.bind_key(Key::F4, placeholder(ctx, "ITEM_GENERICO"));
  w.bind_key(Key::F5, closing_key(ctx, 'T'));
  w.bind_key(Key::F6, placeholder(ctx, "CANCELA_BEM7"));
  bind_f12(ctx, w);
}

void DESATIVA_KEYS(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  for (const char* b : kReceiptButtons) w.set_enabled(b, false);
  for (Key k : {Key::F2, Key::F3, Key::F4, Key::F5, Key::F6, Key::F9, Key::F12}) w.unbind_key(k);
}

void F_BTN_SHOW(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  const bool printer_usable = ctx.g.VCOMUNICOU_C_IMPRESSORA;
  for (const FreeKey& k : kFreeKeys) {
    if (!k.needs_printer || printer_usable)
      w.bind_key(k.key, free_action(ctx, k));
    else
      w.unbind_key(k.key);
  }
  // The frame's row binds its own keys over these.
  const SalesHost& host = sales_host(ctx);
  if (host.show_button_row) host.show_button_row(ctx);
}

void F_BTN_HIDE(Ctx& ctx) {
  const SalesHost& host = sales_host(ctx);
  if (host.hide_button_row) host.hide_button_row(ctx);
  screen::Window& w = sales_window(ctx);
  for (Key k : {Key::F2, Key::F3, Key::F4, Key::F5, Key::F6, Key::F7, Key::F8, Key::F10, Key::F11}) w.unbind_key(k);
}

void BTN_FIM_SHOW(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  for (const char* b : kReceiptButtons) w.set_visible(b, true);
  w.set_visible(names::kF12Caption, true);
}

void BTN_FIM_HIDE(Ctx& ctx) {
  screen::Window& w = sales_window(ctx);
  for (const char* b : kReceiptButtons) w.set_visible(b, false);
  w.set_visible(names::kF12Caption, false);
}

}  // namespace zelto::sales
