#include "store/seal_record.hpp"

#include <stdexcept>

#include "store/seal_scramble.hpp"
#include "store/seal_text.hpp"

namespace zelto::store {
namespace {

constexpr std::string_view kSealField = "MD5_REGI";

const SealedTable& sealed_table_of(const xbase::Table& table) {
  const SealedTable* sealed = find_sealed_table(table.alias());
  if (!sealed) throw std::logic_error("table " + table.alias() + " carries no seal");
  return *sealed;
}

bool blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

xbase::Table& selected(core::Ctx& ctx, std::string_view alias) {
  ctx.db.select(alias);
  return ctx.db.current();
}

}  // namespace

std::string record_seal(const xbase::Table& table, const SealedTable& sealed) {
  return ENCRYPT(seal_text(table, sealed));
}
std::string record_seal(const xbase::Table& table) { return record_seal(table, sealed_table_of(table)); }

bool seal_holds(const xbase::Table& table, const SealedTable& sealed) {
  const std::string seal = record_seal(table, sealed);
  const std::string stored = table.text(kSealField);
  if (seal.size() > stored.size()) return false;
  return std::string_view(stored).substr(0, seal.size()) == seal && blank(std::string_view(stored).substr(seal.size()));
}
bool seal_holds(const xbase::Table& table) { return seal_holds(table, sealed_table_of(table)); }

bool write_seal(xbase::Table& table, const SealedTable& sealed) {
  const std::string seal = record_seal(table, sealed);
  table.put(kSealField, seal);
  return seal.size() <= table.text(kSealField).size();
}
bool write_seal(xbase::Table& table) { return write_seal(table, sealed_table_of(table)); }

std::string REGI_ENCRYPT(core::Ctx& ctx, std::string_view alias) { return record_seal(selected(ctx, alias)); }
bool TESTAR_REGI_ENCRYPT(core::Ctx& ctx, std::string_view alias) { return seal_holds(selected(ctx, alias)); }
bool GRAVA_REGI_ENCRYPT(core::Ctx& ctx, std::string_view alias) { return write_seal(selected(ctx, alias)); }

}  // namespace zelto::store
