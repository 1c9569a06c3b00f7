// The checks that seek a code: the key of an included record, a code of a
// related table, a new code of another table.

#include <stdexcept>

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "registry/entry_form.hpp"
#include "registry/field_checks.hpp"

namespace zelto::registry {
namespace {

bool means_all(const FieldScope& s, const CodeLookup& lookup) {
  if (!lookup.allow_all) return false;
  return lookup.numeric ? s.number().is_zero() : runtime::trim(s.text()).empty();
}

// The code as the related table's order holds it.
Text seek_key(const FieldScope& s, const CodeLookup& lookup) {
  if (std::holds_alternative<runtime::Decimal>(s.value()))
    return lookup.key_width > 0 ? runtime::strzero(s.number(), lookup.key_width) : runtime::trim(runtime::str(s.number(), 20));
  return s.text();
}

// Seeks the code in the lookup table, selected from then on; true when found.
bool seek_code(FieldScope& s, const CodeLookup& lookup, xbase::Table*& table) {
  table = &s.ctx().db.area(lookup.alias);
  s.ctx().db.select(lookup.alias);
  if (lookup.order > 0) table->set_order(lookup.order);
  if (table->seek(seek_key(s, lookup))) return true;
  if (lookup.restore > 0) table->set_order(lookup.restore);
  return false;
}

Text description_of(const CodeLookup& lookup, const xbase::Table& table) {
  return lookup.description ? lookup.description(table) : Text();
}

}  // namespace

FieldCheck CON_CODIGO() {
  return [](FieldScope& s) {
    EntryForm* form = s.entry();
    if (!form) throw std::logic_error("CON_CODIGO checks the key of an entry form");
    const EntryScreen& def = form->definition();
    const bool empty = def.numeric_key ? s.number().is_zero() : runtime::trim(s.text()).empty();
    bool exists = false;
    if (!empty) {
      xbase::Table& t = form->table();
      const xbase::Position here = t.position();
      t.set_order(def.key_order);
      exists = t.seek(form->stored_key());
      t.restore(here);
    }
    if (empty || exists) {
      core::G_ERRO(s.ctx(), empty ? kKeyEmpty : kKeyExists);
      // At the save the key input was closed: it opens again for another code.
      if (s.saving()) form->reopen_key();
      return false;
    }
    form->key_accepted();
    if (!s.saving()) {
      for (std::size_t d = 1; d < form->size(); ++d) {
        if (form->enabled(d)) {
          form->focus(d);
          break;
        }
      }
    }
    return true;
  };
}

FieldCheck G_CONTA2(CodeLookup lookup) {
  return [lookup = std::move(lookup)](FieldScope& s) {
    if (s.moving_back()) return true;
    core::Globals& g = s.g();
    if (means_all(s, lookup)) {
      s.describe(kAll);
      g.AUTPLI = false;
      return true;
    }
    xbase::Table* table = nullptr;
    if (seek_code(s, lookup, table)) {
      s.describe(description_of(lookup, *table));
      g.AUTPLI = false;
      return true;
    }
    s.describe("");
    core::G_ERRO(s.ctx(), kNotRegistered);
    g.AUTPLI = true;
    return false;
  };
}

FieldDescription code_description(CodeLookup lookup) {
  return [lookup = std::move(lookup)](FieldScope& s) -> Text {
    if (means_all(s, lookup)) return kAll;
    xbase::Table* table = nullptr;
    if (seek_code(s, lookup, table)) return description_of(lookup, *table);
    return lookup.allow_all ? Text(kAll) : Text();
  };
}

FieldCheck G_CONT_2(CodeLookup lookup) {
  return [lookup = std::move(lookup)](FieldScope& s) {
    if (s.moving_back()) return true;
    xbase::Table* table = nullptr;
    if (seek_code(s, lookup, table)) {
      s.describe(description_of(lookup, *table));
      return true;
    }
    s.describe("");
    core::G_ERRO(s.ctx(), kNotRegistered);
    return false;
  };
}

FieldCheck G_CONARQ(Text alias, int order, int restore) {
  return [alias = std::move(alias), order, restore](FieldScope& s) {
    xbase::Table& t = s.ctx().db.area(alias);
    const xbase::Position here = t.position();
    if (order > 0) t.set_order(order);
    const bool exists = t.seek(s.text());
    t.restore(here);
    if (restore > 0) t.set_order(restore);
    if (!exists) return true;
    core::G_ERRO(s.ctx(), kCodeInTable);
    return false;
  };
}

}  // namespace zelto::registry
