#include "app/button_rows.hpp"

#include <array>
#include <stdexcept>
#include <string>

#include "app/main_frame.hpp"
#include "app/menu_operations.hpp"
#include "app/menu_system.hpp"
#include "app/startup.hpp"
#include "core/run_guard.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::app {
namespace {

using core::Ctx;
using screen::Key;
using screen::Window;

// What runs after each key action of the rows; kept for the run.
struct AfterKey {
  std::function<void(Ctx&)> run;
};

// A free-state key with its button on the full row.
struct FreeKey {
  Key key;
  const char* caption;
  int width;
  const char* call;  // the operation (menu_operations.hpp)
  bool needs_printer;
};

constexpr std::array<FreeKey, 8> kFreeKeys{{
    {Key::F2, "F2 Itens", 75, "M151(\"V\")", false},
    {Key::F3, "F3 Abrir ECF", 75, "ABRE_ECF_BEM7", true},
    {Key::F4, "F4 Importar", 75, "M61", false},
    {Key::F5, "F5 Atualizar", 75, "M62A", false},
    {Key::F6, "F6 Cancelar", 75, "CANCELA_BEM7(\"M\")", true},
    {Key::F7, "F7 Reducao_Z", 81, "REDUCAO_Z_BEM7", true},
    {Key::F8, "F8 Leitura_X", 75, "LEITURA_X_BEM7", true},
    {Key::F9, "F9 menu fiscal", 81, "MONTA_MENU_FISCAL", false},
}};

constexpr int kButtonHeight = 20;
constexpr int kButtonWidth = 75;
constexpr int kGap = 2;
constexpr int kLeft = 8;
// Footer parts and their widths.
constexpr std::array<const char*, 3> kFooterParts{"ecf", "caixa", "usuario"};
constexpr std::array<int, 3> kFooterWidths{250, 170, 150};

Window& sales(Ctx& ctx) {
  Window* w = ctx.screen.window(kSalesWindow);
  if (!w) throw std::logic_error("a janela de vendas nao esta aberta");
  return *w;
}

const FreeKey* free_key_of(Key key) {
  for (const FreeKey& k : kFreeKeys)
    if (k.key == key) return &k;
  return nullptr;
}

void after_key(Ctx& ctx) {
  if (ctx.run.end_requested) return;
  const AfterKey* after = ctx.services.find<AfterKey>();
  if (after && after->run) core::run_guarded(ctx, "TELA_DE_VENDA", [&] { after->run(ctx); });
}

// A key bound by the rows: the operation guarded, then the sales window's
// follow-up.
std::function<void()> key_action(Ctx& ctx, std::string name, std::function<void(Ctx&)> operation) {
  return [&ctx, name = std::move(name), operation = std::move(operation)] {
    core::run_guarded(ctx, name, [&] { operation(ctx); });
    after_key(ctx);
  };
}

std::function<void()> menu_action(Ctx& ctx) {
  return key_action(ctx, "MENU_SISTEMA", [](Ctx& c) { MENU_SISTEMA(c); });
}
std::function<void()> show_full_action(Ctx& ctx) {
  return key_action(ctx, "MOSTRA_MENUS", [](Ctx& c) { MOSTRA_MENUS(c); });
}
std::function<void()> end_action(Ctx& ctx) {
  return key_action(ctx, "SAIR_SISTEMA", [](Ctx& c) { SAIR_SISTEMA(c); });
}

// A button does what its key does on the sales window at the moment.
std::function<void()> press_key(Ctx& ctx, Key key) {
  return [&ctx, key] {
    if (Window* w = ctx.screen.window(kSalesWindow); w && w->bound(key)) w->press(key);
  };
}

void show_full_row(Window& w, bool shown) {
  for (const FreeKey& k : kFreeKeys) w.set_visible(full_row_button(k.key), shown);
  w.set_visible(full_row_button(Key::F10), shown);
  w.set_visible(full_row_button(Key::F11), shown);
}

void show_short_row(Window& w, bool shown) {
  w.set_visible(short_row_button(Key::F10), shown);
  w.set_visible(short_row_button(Key::F11), shown);
}

void enable_printer_buttons(Ctx& ctx, Window& w) {
  for (const FreeKey& k : kFreeKeys)
    if (k.needs_printer) w.set_enabled(full_row_button(k.key), ctx.g.VCOMUNICOU_C_IMPRESSORA);
}

core::Text footer_text(const Ctx& ctx, std::string_view part) {
  const core::Globals& g = ctx.g;
  if (part == "ecf") {
    const core::Text serial = runtime::trim(g.VNUM_SER);
    return "ECF.: " + (serial.empty() ? core::Text("(sem numero de serie)") : serial);
  }
  if (part == "caixa") return "Caixa.: " + runtime::trim(g.VCAIXAUSUAR);
  return "Usuario.: " + runtime::trim(g.VUSU);
}

void add_footer_copy(Ctx& ctx, Window& w, bool upper, int x, int y) {
  screen::PanelStyle style;
  style.frame = screen::Frame::Shaded;
  style.bold = true;
  for (std::size_t i = 0; i < kFooterParts.size(); ++i) {
    w.add_panel({footer_panel(kFooterParts[i], upper), footer_text(ctx, kFooterParts[i]),
                 {x, y, kFooterWidths[i], kButtonHeight}, style, false});
    x += kFooterWidths[i] + kGap * 2;
  }
}

}  // namespace

std::string full_row_button(Key key) { return "linha_cheia_" + screen::key_name(key); }
std::string short_row_button(Key key) { return "linha_curta_" + screen::key_name(key); }
std::string footer_panel(const char* part, bool upper) {
  return std::string("rodape_") + part + (upper ? "_acima" : "_abaixo");
}

void build_button_rows(Ctx& ctx, Window& w) {
  const int height = w.definition().geometry.empty() ? 700 : w.definition().geometry.height;
  const int row_y = height - kButtonHeight - 8;

  int x = kLeft;
  for (const FreeKey& k : kFreeKeys) {
    w.add_button({full_row_button(k.key), k.caption, {x, row_y, k.width, kButtonHeight}, true, false,
                  press_key(ctx, k.key)});
    x += k.width + kGap;
  }
  for (auto [key, caption] : {std::pair{Key::F10, "F10 Menus"}, std::pair{Key::F11, "F11 Voltar"}}) {
    w.add_button({full_row_button(key), caption, {x, row_y, kButtonWidth, kButtonHeight}, true, false,
                  press_key(ctx, key)});
    x += kButtonWidth + kGap;
  }
  add_footer_copy(ctx, w, true, kLeft, row_y - kButtonHeight - 8);

  x = kLeft;
  for (auto [key, caption] : {std::pair{Key::F10, "F10 Menus"}, std::pair{Key::F11, "F11 Sair"}}) {
    w.add_button({short_row_button(key), caption, {x, row_y, kButtonWidth, kButtonHeight}, true, false,
                  press_key(ctx, key)});
    x += kButtonWidth + kGap;
  }
  add_footer_copy(ctx, w, false, x + kGap * 3, row_y);

  const bool full = ctx.g.VLEMENUS != "N";
  show_full_row(w, full);
  show_short_row(w, !full);
  enable_printer_buttons(ctx, w);
}

void MOSTRA_MENUS(Ctx& ctx) {
  Window& w = sales(ctx);
  show_short_row(w, false);
  show_full_row(w, true);
  enable_printer_buttons(ctx, w);
  ctx.g.VLEMENUS = "S";
  w.bind_key(Key::F10, menu_action(ctx));
  w.bind_key(Key::F11, end_action(ctx));
  show_footer(ctx);
}

void VOLTA_MENU(Ctx& ctx) {
  Window& w = sales(ctx);
  show_full_row(w, false);
  show_short_row(w, true);
  ctx.g.VLEMENUS = "N";
  w.bind_key(Key::F10, show_full_action(ctx));
  w.bind_key(Key::F11, end_action(ctx));
  show_footer(ctx);
}

void show_button_row(Ctx& ctx) {
  if (ctx.g.VLEMENUS == "N") VOLTA_MENU(ctx);
  else MOSTRA_MENUS(ctx);
}

void hide_button_rows(Ctx& ctx) {
  Window& w = sales(ctx);
  show_full_row(w, false);
  show_short_row(w, false);
}

void frame_free_key(Ctx& ctx, int number) {
  const Key key = screen::function_key(number);
  if (key == Key::F10) {
    if (ctx.g.VLEMENUS == "N") core::run_guarded(ctx, "MOSTRA_MENUS", [&] { MOSTRA_MENUS(ctx); });
    else core::run_guarded(ctx, "MENU_SISTEMA", [&] { MENU_SISTEMA(ctx); });
  } else if (key == Key::F11) {
    core::run_guarded(ctx, "SAIR_SISTEMA", [&] { SAIR_SISTEMA(ctx); });
  } else if (const FreeKey* k = free_key_of(key)) {
    const std::string call = k->call;
    core::run_guarded(ctx, call, [&] { system_operation(call)(ctx); });
  }
}

void SET_KEYS(Ctx& ctx) {
  Window& w = sales(ctx);
  const bool printer_usable = ctx.g.VCOMUNICOU_C_IMPRESSORA;
  for (const FreeKey& k : kFreeKeys) {
    if (!k.needs_printer || printer_usable) {
      const int number = static_cast<int>(k.key) - static_cast<int>(Key::F1) + 1;
      w.bind_key(k.key, [&ctx, number] {
        frame_free_key(ctx, number);
        after_key(ctx);
      });
    } else {
      w.unbind_key(k.key);
    }
  }
  show_button_row(ctx);
}

void TIRA_KEYS(Ctx& ctx) {
  hide_button_rows(ctx);
  Window& w = sales(ctx);
  for (Key key : {Key::F2, Key::F3, Key::F4, Key::F5, Key::F6, Key::F7, Key::F8, Key::F10, Key::F11}) w.unbind_key(key);
}

void show_footer(Ctx& ctx) {
  Window& w = sales(ctx);
  const bool upper = ctx.g.VLEMENUS != "N";
  for (const char* part : kFooterParts) {
    const core::Text text = footer_text(ctx, part);
    w.set_text(footer_panel(part, true), text);
    w.set_text(footer_panel(part, false), text);
    w.set_visible(footer_panel(part, true), upper);
    w.set_visible(footer_panel(part, false), !upper);
  }
}

void set_after_key(Ctx& ctx, std::function<void(Ctx&)> after) {
  ctx.services.put(std::make_shared<AfterKey>(AfterKey{std::move(after)}));
}

}  // namespace zelto::app
