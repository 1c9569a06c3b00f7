#include "app/login_credentials.hpp"

#include "app/password.hpp"
#include "platform/runtime/text.hpp"
#include "platform/xbase/error.hpp"

namespace zelto::app {
namespace {

using runtime::padr;
using runtime::trim;

// The operator's record, read with order 1 and the table left as it was
// found: after login the operators screen may be browsing it.
struct OperatorRecord {
  bool found = false;
  std::string password;  // C003, scrambled, six wide
  std::string active;    // C004
};

OperatorRecord read_operator(core::Ctx& ctx, const std::string& key) {
  xbase::Table& us = ctx.db.area("US");
  const xbase::Position was = us.position();
  OperatorRecord rec;
  us.set_order(1);
  if (us.seek(key)) {
    rec.found = true;
    rec.password = us.text("C003");
    rec.active = us.text("C004");
  }
  us.restore(was);
  return rec;
}

}  // namespace

std::string operator_key(std::string_view code) { return padr(runtime::upper(trim(code)), 3); }

CredentialCheck verify_credentials(core::Ctx& ctx, std::string_view code, std::string_view password) {
  const std::string key = operator_key(code);
  if (trim(code).size() < 3) return {Refusal::ShortCode};
  // Checked before anything is compared: an accented letter would be stored
  // scrambled in bytes the other programs on the folder read differently.
  if (!password_chars_ok(password)) return {Refusal::BadCharacters};
  if (key == kServiceOperator) {
    const bool ok = SENZEL(padr(trim(password), 6), ctx.clock.now().date);
    return {ok ? Refusal::None : Refusal::WrongServiceCode};
  }
  OperatorRecord rec;
  try {
    rec = read_operator(ctx, key);
  } catch (const xbase::Error& e) {
    return {Refusal::Unreadable, e.what()};
  }
  if (!rec.found) return {Refusal::Unknown};
  // A blank stored password would let anyone in with an empty one.
  if (trim(rec.password).empty()) return {Refusal::NoPassword};
  if (SCRAMBLE_PASSWORD(password) != padr(rec.password, 6)) return {Refusal::WrongPassword};
  if (rec.active != "A") return {Refusal::Inactive};
  return {};
}

}  // namespace zelto::app
