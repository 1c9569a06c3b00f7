#pragma once
// What a field's check, description or stored value sees: the run, the
// form, the field it belongs to, and whether the operator is moving back
// over the field.
//
// Moving back: a check may let the operator leave a field upwards without
// satisfying it (the Up arrow as the last key), so that he can go back and
// mend an earlier input. That leave is for moving only: when the form is
// saved every check runs again with moving_back() false, so nothing the
// skip let through is ever written.
//
// The checks serve the registration forms (EntryForm) and plain forms built
// on the screen layer alone (the settings screens); the second constructor
// and field_check() are for those.

#include <cstddef>
#include <string_view>

#include "core/context.hpp"
#include "platform/screen/form_session.hpp"
#include "registry/entry_field.hpp"

namespace zelto::registry {

class FieldScope {
 public:
  // Descriptor `field` of a registration form; `saving` when the save
  // pipeline runs the check.
  FieldScope(EntryForm& form, std::size_t field, bool saving);
  // Field `index` of a plain form.
  FieldScope(core::Ctx& ctx, screen::FormSession& form, std::size_t index, bool saving);

  core::Ctx& ctx() const { return ctx_; }
  core::Globals& g() const { return ctx_.g; }
  // The registration form, or null on a plain form.
  EntryForm* entry() const { return entry_; }
  std::size_t field() const { return field_; }
  bool saving() const { return saving_; }
  // The operator left the field with the Up arrow, outside the save.
  bool moving_back() const;

  const FieldValue& value() const;
  // The value read as a text, a number or a date whatever it holds: a
  // number as its plain digits, a text by its leading number (VAL), a date
  // as "DD/MM/YYYY".
  Text text() const;
  runtime::Decimal number() const;
  runtime::Date date() const;

  void set_value(FieldValue value);
  // The text beside the input.
  void describe(const Text& text);

  // Another field of the same form, by its id.
  const FieldValue& value_of(std::string_view id) const;

 private:
  core::Ctx& ctx_;
  EntryForm* entry_ = nullptr;
  screen::FormSession* session_ = nullptr;
  std::size_t field_ = 0;  // descriptor (entry) or session index (plain form)
  bool saving_ = false;
};

// A check for a plain form's field: it runs on the field being left.
std::function<bool(screen::FormSession&)> field_check(core::Ctx& ctx, FieldCheck check);

// Texts and numbers of the old runtime, as the checks read values.
runtime::Decimal val(std::string_view text);
Text value_text(const FieldValue& value);

}  // namespace zelto::registry
