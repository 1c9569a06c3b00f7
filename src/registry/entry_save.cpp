// The save pipeline of an entry form: checks, "Confirma", the record
// written (an include under the append lock), the after-call, the unlock.

#include "core/dialogs.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"
#include "registry/entry_form.hpp"
#include "registry/field_scope.hpp"
#include "registry/value_convert.hpp"
#include "store/record_lock.hpp"

namespace zelto::registry {
namespace {

using StoredValues = std::vector<std::pair<Text, xbase::Value>>;

const xbase::FieldDef* field_def(const xbase::Table& t, const Text& name) {
  const int i = t.field_index(name);
  return i < 0 ? nullptr : &t.fields()[static_cast<std::size_t>(i)];
}

xbase::Value as_value(const FieldValue& v) {
  if (const auto* t = std::get_if<Text>(&v)) return *t;
  if (const auto* n = std::get_if<runtime::Decimal>(&v)) return *n;
  return std::get<runtime::Date>(v);
}

}  // namespace

void EntryForm::save() {
  if (!consist() || !funcao_ok()) return;
  if ((def_.mode == Mode::I || def_.mode == Mode::A) && !write()) return;
  saved_ = true;
  ctx_.g.WOK_TELA_LE_CAMPOS = true;
  session_->confirm();
}

// Every check once more, whatever key left each input: moving back over an
// input lets the operator go and mend another one, never save what the
// input's check refuses.
bool EntryForm::consist() {
  if (def_.mode == Mode::I && !def_.fields.empty() && !run_check(0, true)) return false;
  for (std::size_t d = def_.mode == Mode::D ? 0 : 1; d < def_.fields.size(); ++d) {
    if (!built(d) || def_.fields[d].state == FieldState::N) continue;
    if (run_check(d, true)) continue;
    if (session_->open() && enabled(d)) focus(d);
    return false;
  }
  return true;
}

bool EntryForm::funcao_ok() {
  if (def_.mode != Mode::D) return core::G_CONF(ctx_, def_.question);
  if (!def_.after) {
    core::G_ERRO(ctx_, kNoAfterCall);
    return false;
  }
  return def_.after(*this);
}

// Every value the record gets, read into its field's kind and tried against
// the field before anything is written, so that a value the field cannot
// hold stops the save with nothing appended or half changed.
std::optional<StoredValues> EntryForm::stored_values(bool with_key) {
  const xbase::Table& t = table();
  StoredValues out;
  auto add = [&](const Text& label, const Text& name, const xbase::Value& v) {
    const xbase::FieldDef* f = field_def(t, name);
    if (!f) {
      core::G_ERRO(ctx_, "O campo " + runtime::upper(name) + " nao existe na tabela " + def_.alias);
      return false;
    }
    xbase::Value stored = to_field(*f, v);
    try {
      xbase::encode_field(*f, stored);
    } catch (const xbase::Error&) {
      core::G_ERRO(ctx_, "O valor de " + runtime::trim(label) + " nao cabe no campo " + f->name);
      return false;
    }
    out.emplace_back(f->name, std::move(stored));
    return true;
  };
  if (with_key && !add(def_.fields[0].label, def_.fields[0].field, xbase::Value(stored_key()))) return std::nullopt;
  for (std::size_t d = 1; d < def_.fields.size(); ++d) {
    const EntryField& e = def_.fields[d];
    if (e.field.empty()) continue;
    FieldScope scope(*this, d, true);
    const xbase::Value v = e.store ? e.store(scope) : as_value(value(d));
    if (!add(e.label, e.field, v)) return std::nullopt;
  }
  return out;
}

bool EntryForm::write() {
  const bool include = def_.mode == Mode::I;
  auto values = stored_values(include);
  if (!values) return false;
  if (!(include ? write_include(*values) : write_change(*values))) return false;
  finish_write();
  return true;
}

bool EntryForm::write_include(const StoredValues& values) {
  xbase::Table& t = table();
  bool taken = false;
  try {
    // Another station may have stored the same key since the key input was
    // checked. Sought again under the append lock, which every station
    // takes to add a record, a key found missing stays missing until the
    // new record, flushed with its key, lets the lock go.
    xbase::Table::AppendHold hold(t);
    t.set_order(def_.key_order);
    taken = t.seek(stored_key());
    if (!taken) {
      t.append_blank();
      try {
        for (const auto& [name, v] : values) t.put(name, v);
        t.flush();
      } catch (...) {
        t.delete_record();
        t.flush();
        t.unlock();
        throw;
      }
      record_ = t.recno();
    }
  } catch (const xbase::Error& e) {
    if (e.kind() != xbase::ErrorKind::Locked) throw;
    core::G_ERRO(ctx_, "A tabela " + def_.alias + " esta sendo alterada por outro usuario, tente mais tarde.");
    return false;
  }
  if (taken) {
    core::G_ERRO(ctx_, kKeyExists);
    reopen_key();
    return false;
  }
  return true;
}

bool EntryForm::write_change(const StoredValues& values) {
  xbase::Table& t = table();
  if (record_ == 0) return false;
  t.go_to(record_);
  // The caller locked the record before opening the form; without that
  // lock the change is tried once, as a change form opens.
  if (!t.holds_lock(record_) && store::G_EM_USO(ctx_, t)) return false;
  for (const auto& [name, v] : values) t.put(name, v);
  t.flush();
  return true;
}

void EntryForm::finish_write() {
  xbase::Table& t = table();
  if (def_.after) def_.after(*this);
  t.go_to(record_);
  t.unlock();
  t.commit();
}

void load_from_record(std::vector<EntryField>& fields, const xbase::Table& table) {
  if (table.eof()) return;
  for (EntryField& e : fields) {
    if (e.field.empty() || !table.has_field(e.field)) continue;
    FieldValue v = to_form(e.value, table.get(e.field));
    if (auto* t = std::get_if<Text>(&v); t && e.width > 0) *t = runtime::padr(*t, static_cast<std::size_t>(e.width));
    e.value = std::move(v);
  }
}

}  // namespace zelto::registry
