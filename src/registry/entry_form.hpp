#pragma once
// TELA_LE_CAMPOS: one record of a table included, changed or shown through
// a form built from descriptors (entry_field.hpp), or a data form saved by
// its after-call.
//
// The form is a screen::FormSession: the same field state machine both
// backends drive. This object adds what a registration needs around it:
// which inputs open in each mode, the descriptions, the F2 lookups, and the
// save pipeline run by the save button:
//
//   1. every check in order, with the moving-back skip off (the key's first
//      when including, then from the second descriptor, from the first in
//      mode D; inputs in state "N" only show their value and are not
//      checked); the first refusal takes the focus and stops the save;
//   2. "Confirma" (modes I, A) or the after-call (mode D);
//   3. modes I and A: the record written. Including: under the table's
//      append lock the key is sought again, and when another station stored
//      it meanwhile the include is refused ("Ja Existe este Codigo
//      Cadastrado") before anything is appended; the key input opens again.
//      Otherwise the record is appended (locked), the key and the stored
//      values written and flushed before the lock goes. Changing: the
//      record locked by the caller gets the stored values;
//   4. the after-call, the record unlocked, written through;
//   5. the form closes confirmed (WOK_TELA_LE_CAMPOS true).
//
// Whatever happens the table gets its order back and stands on the record
// the form worked on (the new one after an include). A change form's record
// lock, taken by the caller, is released when the form closes, saved or not.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/context.hpp"
#include "platform/screen/form_session.hpp"
#include "registry/entry_field.hpp"

namespace zelto::registry {

// The form's messages.
inline constexpr const char* kTooManyFields = "definido somente 21 campos 1617181920";
inline constexpr const char* kTooManyTexts = "definido wnro_say_campos ate 14 campos";
inline constexpr const char* kNoAfterCall = "funcao_p_executar vazio";
inline constexpr const char* kKeyExists = "Ja Existe este Codigo Cadastrado";
inline constexpr const char* kKeyEmpty = "O Codigo nao pode estar Vazio";

class EntryForm {
 public:
  EntryForm(core::Ctx& ctx, EntryScreen screen);
  EntryForm(const EntryForm&) = delete;
  EntryForm& operator=(const EntryForm&) = delete;
  ~EntryForm();

  // Shows the form modally; true when the record was saved.
  bool run();

  core::Ctx& ctx() const { return ctx_; }
  Mode mode() const { return def_.mode; }
  const EntryScreen& definition() const { return def_; }
  screen::FormSession& session() { return *session_; }
  const screen::FormSession& session() const { return *session_; }
  xbase::Table& table() const;

  // Descriptors, counted from 0 in the order given.
  std::size_t size() const { return def_.fields.size(); }
  const EntryField& descriptor(std::size_t d) const { return def_.fields.at(d); }
  std::size_t index_of(std::string_view id) const;  // std::out_of_range when none
  bool built(std::size_t d) const { return slot_.at(d).has_value(); }

  const FieldValue& value(std::size_t d) const;
  const FieldValue& value(std::string_view id) const { return value(index_of(id)); }
  const Text& text(std::size_t d) const { return std::get<Text>(value(d)); }
  const runtime::Decimal& number(std::size_t d) const { return std::get<runtime::Decimal>(value(d)); }
  const runtime::Date& date(std::size_t d) const { return std::get<runtime::Date>(value(d)); }
  void set_value(std::size_t d, FieldValue value);
  const Text& description(std::size_t d) const;
  void set_description(std::size_t d, Text text);
  // Opens or closes an input; inputs in state "N" stay closed.
  void set_enabled(std::size_t d, bool enabled);
  void set_picture(std::size_t d, std::string picture);
  bool enabled(std::size_t d) const;
  void focus(std::size_t d);
  std::optional<std::size_t> focused() const;

  // The key as the table holds it: zero-padded to the key width when
  // numeric, else the typed text.
  Text stored_key() const;
  // Mode I: the key was accepted (CON_CODIGO): the other inputs open and
  // the key closes. reopen_key opens it again and puts the focus there, for
  // a key refused at the save.
  void key_accepted();
  void reopen_key();
  // The record the form works on: the one changed or shown, the one
  // included once saved (0 before).
  std::uint32_t record() const { return record_; }

 private:
  std::vector<int> lines() const;
  void build();
  void open_inputs();
  void describe_all();
  void save();
  bool consist();
  bool funcao_ok();
  bool write();
  bool write_include(const std::vector<std::pair<Text, xbase::Value>>& values);
  bool write_change(const std::vector<std::pair<Text, xbase::Value>>& values);
  std::optional<std::vector<std::pair<Text, xbase::Value>>> stored_values(bool with_key);
  void finish_write();
  void closed();
  void restore_table();
  bool run_check(std::size_t d, bool saving);

  core::Ctx& ctx_;
  EntryScreen def_;
  std::vector<std::optional<std::size_t>> slot_;  // descriptor -> session field
  std::vector<FieldValue> unbuilt_;                // values of descriptors not built
  std::unique_ptr<screen::FormSession> session_;
  xbase::Position remembered_{};
  std::uint32_t record_ = 0;
  bool saved_ = false;
};

bool TELA_LE_CAMPOS(core::Ctx& ctx, EntryScreen screen);

// Modes A and V: the descriptors that name a table field take that field's
// value from the table's current record, read as the descriptor's kind (a
// zero-padded code into a number field, a number into a text as digits).
void load_from_record(std::vector<EntryField>& fields, const xbase::Table& table);

}  // namespace zelto::registry
