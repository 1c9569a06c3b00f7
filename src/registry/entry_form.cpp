// Building the form from its descriptors and opening it in its mode; the
// save pipeline is in entry_save.cpp.

#include "registry/entry_form.hpp"

#include <algorithm>
#include <stdexcept>

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/picture.hpp"
#include "platform/runtime/text.hpp"
#include "registry/field_scope.hpp"
#include "registry/lookup.hpp"

namespace zelto::registry {
namespace {

constexpr std::size_t kMaxFields = 21;
constexpr std::size_t kMaxTexts = 14;

// The template part of a picture ("@! 999" gives "999", "@!" gives "").
std::string template_of(const std::string& picture) { return runtime::Picture::parse(picture).template_text; }

screen::Field make_field(const EntryField& e, std::string id) {
  if (const auto* n = std::get_if<runtime::Decimal>(&e.value)) {
    const std::string tpl = template_of(e.picture);
    int width = e.width > 0 ? e.width : static_cast<int>(tpl.size());
    int decimals = e.decimals;
    if (decimals == 0 && e.width == 0) {
      if (const auto point = tpl.find('.'); point != std::string::npos) decimals = static_cast<int>(tpl.size() - point - 1);
    }
    if (width <= 0) width = 10;
    return screen::Field::number(std::move(id), e.label, *n, width, decimals, e.picture);
  }
  if (const auto* d = std::get_if<runtime::Date>(&e.value)) return screen::Field::date(std::move(id), e.label, *d);
  const Text& text = std::get<Text>(e.value);
  int width = e.width;
  if (width <= 0) width = static_cast<int>(text.size());
  if (width <= 0) width = static_cast<int>(template_of(e.picture).size());
  return screen::Field::text(std::move(id), e.label, text, width, e.picture);
}

}  // namespace

Text mode_text(Mode mode) {
  switch (mode) {
    case Mode::I: return "I";
    case Mode::A: return "A";
    case Mode::V: return "V";
    case Mode::D: return "D";
  }
  return "";
}

ExitCheck ask_before_leaving(Text question) {
  return [question = std::move(question)](core::Ctx& ctx, Mode mode) {
    if (ctx.g.WOK_TELA_LE_CAMPOS || mode == Mode::V) return true;
    return core::G_CONF(ctx, question);
  };
}

EntryForm::EntryForm(core::Ctx& ctx, EntryScreen screen) : ctx_(ctx), def_(std::move(screen)) {
  if (def_.fields.size() > kMaxFields) {
    core::G_ERRO(ctx_, kTooManyFields);
    def_.fields.resize(kMaxFields);
  }
  if (def_.texts.size() > kMaxTexts) {
    core::G_ERRO(ctx_, kTooManyTexts);
    def_.texts.resize(kMaxTexts);
  }
  if (!def_.alias.empty()) {
    remembered_ = table().position();
    if (def_.mode != Mode::I && !table().eof()) record_ = table().recno();
  }
  build();
  open_inputs();
  describe_all();
}

EntryForm::~EntryForm() = default;

xbase::Table& EntryForm::table() const { return ctx_.db.area(def_.alias); }

std::size_t EntryForm::index_of(std::string_view id) const {
  for (std::size_t d = 0; d < def_.fields.size(); ++d) {
    if (built(d) && session_->field(*slot_[d]).id == id) return d;
    if (def_.fields[d].id == id || (!def_.fields[d].field.empty() && runtime::upper(def_.fields[d].field) == runtime::upper(id)))
      return d;
  }
  throw std::out_of_range("the form has no field " + std::string(id));
}

// The line each built input stands on: the automatic layout moves down one
// line per field (two for "2", none for "S"); without it the fields' own
// rows decide, equal rows sharing a line.
std::vector<int> EntryForm::lines() const {
  std::vector<int> out(def_.fields.size(), -1);
  if (def_.first_row > 0) {
    int line = -1;
    for (std::size_t d = 0; d < def_.fields.size(); ++d) {
      const EntryField& e = def_.fields[d];
      if (e.state == FieldState::B || !e.input) continue;
      if (line < 0) line = 0;
      else if (e.step == LayoutStep::TwoRows) line += 2;
      else if (e.step == LayoutStep::Next) line += 1;
      out[d] = line;
    }
    return out;
  }
  std::vector<double> rows;
  for (const EntryField& e : def_.fields)
    if (e.row > 0) rows.push_back(e.row);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (std::size_t d = 0; d < def_.fields.size(); ++d)
    if (def_.fields[d].row > 0)
      out[d] = static_cast<int>(std::lower_bound(rows.begin(), rows.end(), def_.fields[d].row) - rows.begin());
  return out;
}

void EntryForm::build() {
  screen::FormSpec layout;
  layout.title = def_.title;
  layout.geometry = screen::Rect{0, 0, 750, def_.fields.size() <= 10 ? 358 : 500};
  const std::vector<int> line_of = lines();
  slot_.assign(def_.fields.size(), std::nullopt);
  unbuilt_.assign(def_.fields.size(), FieldValue(Text()));
  for (std::size_t d = 0; d < def_.fields.size(); ++d) {
    const EntryField& e = def_.fields[d];
    if (e.state == FieldState::B || !e.input) {
      unbuilt_[d] = e.value;
      if (e.state != FieldState::B && !e.label.empty()) layout.notes.push_back(e.label);
      continue;
    }
    std::string id = e.id;
    if (id.empty()) id = runtime::upper(e.field);
    if (id.empty()) id = "oGet" + runtime::strzero(runtime::Decimal(static_cast<long>(d + 1)), 2);
    screen::Field f = make_field(e, std::move(id));
    f.read_only = e.state == FieldState::N;
    if (e.label_right) f.label_align = screen::Align::Right;
    f.line = line_of[d];
    f.check = [this, d](screen::FormSession&) { return run_check(d, false); };
    f.on_focus = [this, d](screen::FormSession&) {
      const EntryField& here = def_.fields[d];
      if (here.lookup) G_F2SIM(ctx_, *here.lookup, session_->field(*slot_[d]).id);
      else G_F2NAO(ctx_);
    };
    if (e.lookup) f.on_f2 = [this, d](screen::FormSession&) { lookup_into(*this, d); };
    slot_[d] = layout.fields.size();
    layout.fields.push_back(std::move(f));
  }
  for (const ExtraText& t : def_.texts) layout.notes.push_back(t.text);
  if (def_.mode == Mode::V && !def_.alias.empty() && !table().eof() && table().has_field("C001")) {
    const xbase::Table& t = table();
    Text line = "Registrado -  por " + t.text("C001");
    if (t.has_field("C262")) line += " em " + t.date("C262").text();
    if (t.has_field("C263")) line += " as " + t.text("C263");
    layout.notes.push_back(line);
  }
  if (def_.mode != Mode::V) layout.buttons.push_back({def_.save_caption, [this](screen::FormSession&) { save(); }});
  layout.buttons.push_back({"ESC - Sair", [this](screen::FormSession& s) {
                            ctx_.g.WOK_TELA_LE_CAMPOS = false;
                            s.cancel();
                          }});
  layout.can_close = [this](screen::FormSession&) { return !def_.exit_check || def_.exit_check(ctx_, def_.mode); };
  session_ = std::make_unique<screen::FormSession>(std::move(layout));
}

// Which inputs are open when the form comes up: including, only the key;
// showing, none; changing, all but the key; a data form, all. Inputs in
// state "N" never open. The session then focuses the first open one.
void EntryForm::open_inputs() {
  for (std::size_t d = 0; d < def_.fields.size(); ++d) {
    bool open = false;
    switch (def_.mode) {
      case Mode::I: open = d == 0; break;
      case Mode::V: open = false; break;
      case Mode::A: open = d > 0; break;
      case Mode::D: open = true; break;
    }
    set_enabled(d, open);
  }
}

void EntryForm::describe_all() {
  for (std::size_t d = 0; d < def_.fields.size(); ++d) {
    if (!built(d) || !def_.fields[d].description) continue;
    FieldScope scope(*this, d, false);
    set_description(d, def_.fields[d].description(scope));
  }
}

bool EntryForm::run_check(std::size_t d, bool saving) {
  const EntryField& e = def_.fields[d];
  if (!e.check) return true;
  FieldScope scope(*this, d, saving);
  return e.check(scope);
}

const FieldValue& EntryForm::value(std::size_t d) const {
  if (built(d)) return session_->field(*slot_[d]).value;
  return unbuilt_.at(d);
}

void EntryForm::set_value(std::size_t d, FieldValue value) {
  if (built(d)) {
    session_->set_value(*slot_[d], std::move(value));
    return;
  }
  if (auto* t = std::get_if<Text>(&value); t && def_.fields[d].width > 0)
    *t = runtime::padr(*t, static_cast<std::size_t>(def_.fields[d].width));
  unbuilt_.at(d) = std::move(value);
}

const Text& EntryForm::description(std::size_t d) const {
  static const Text none;
  return built(d) ? session_->field(*slot_[d]).description : none;
}

void EntryForm::set_description(std::size_t d, Text text) {
  if (built(d)) session_->set_description(*slot_[d], std::move(text));
}

void EntryForm::set_enabled(std::size_t d, bool enabled) {
  if (built(d)) session_->set_enabled(*slot_[d], enabled);
}

void EntryForm::set_picture(std::size_t d, std::string picture) {
  if (built(d)) session_->set_picture(*slot_[d], std::move(picture));
}

bool EntryForm::enabled(std::size_t d) const { return built(d) && session_->field(*slot_[d]).focusable(); }

void EntryForm::focus(std::size_t d) {
  if (built(d)) session_->focus(*slot_[d]);
}

std::optional<std::size_t> EntryForm::focused() const {
  const auto at = session_->focused_field();
  if (!at) return std::nullopt;
  for (std::size_t d = 0; d < slot_.size(); ++d)
    if (slot_[d] == at) return d;
  return std::nullopt;
}

Text EntryForm::stored_key() const {
  if (def_.fields.empty()) return "";
  const FieldValue& key = value(0);
  if (def_.numeric_key) {
    const runtime::Decimal n = std::holds_alternative<runtime::Decimal>(key) ? std::get<runtime::Decimal>(key)
                                                                            : val(value_text(key));
    return runtime::strzero(n, def_.key_width > 0 ? def_.key_width : 1);
  }
  Text text = value_text(key);
  if (def_.key_width > 0) text = runtime::padr(text, static_cast<std::size_t>(def_.key_width));
  return text;
}

void EntryForm::key_accepted() {
  for (std::size_t d = 1; d < def_.fields.size(); ++d) set_enabled(d, true);
  set_enabled(0, false);
}

void EntryForm::reopen_key() {
  set_enabled(0, true);
  focus(0);
}

bool EntryForm::run() {
  ctx_.g.WOK_TELA_LE_CAMPOS = false;
  try {
    ctx_.screen.run_form(*session_);
  } catch (...) {
    try {
      closed();
    } catch (...) {
      // The first failure is the one worth reporting.
    }
    throw;
  }
  closed();
  return saved_;
}

void EntryForm::closed() {
  ctx_.g.AUTPLI = false;
  if (def_.alias.empty()) return;
  // A change form leaves no lock behind, saved or not.
  if (def_.mode == Mode::A) table().unlock();
  restore_table();
}

void EntryForm::restore_table() {
  xbase::Table& t = table();
  xbase::Position back = remembered_;
  if (record_ > 0) back.recno = record_;
  t.restore(back);
}

bool TELA_LE_CAMPOS(core::Ctx& ctx, EntryScreen screen) {
  EntryForm form(ctx, std::move(screen));
  return form.run();
}

}  // namespace zelto::registry
