#pragma once
// Record seals: MD5_REGI of a fiscal record holds its seal text scrambled.
// Every operation that appends or changes a record of a sealed table writes
// all its fields first, then the seal, and only then releases the record's
// lock; the legal files test every seal and mark the lines of records whose
// seal fails.
//
// The seal is kept at its own length: the field holds it from its first
// byte and blanks after it, and a test compares exactly that, so a seal
// that begins or ends with a scrambled blank verifies like any other. A
// seal written by another checkout is stored the same way and verifies
// here.
//
//   it.rlock(); it.put("C837", ...); store::write_seal(it); it.unlock();
//   if (!store::TESTAR_PC_REGI_ENCRYPT(ctx)) line = PREENCHE_INTERROGACAO(line);

#include <string>
#include <string_view>

#include "core/context.hpp"
#include "platform/xbase/table.hpp"
#include "store/seal_forms.hpp"

namespace zelto::store {

// The seal of the table's current record. The table is known by its alias
// (PC, RO, IT, EF, PD, Y1, Y2, Y4) unless it is given.
std::string record_seal(const xbase::Table& table);
std::string record_seal(const xbase::Table& table, const SealedTable& sealed);

// True when the stored seal is the record's seal.
bool seal_holds(const xbase::Table& table);
bool seal_holds(const xbase::Table& table, const SealedTable& sealed);

// Stores the record's seal in MD5_REGI (the record must be locked or the
// table exclusive). False when the table's seal field is too short to hold
// the whole seal: what fits is stored, and the record will not verify.
bool write_seal(xbase::Table& table);
bool write_seal(xbase::Table& table, const SealedTable& sealed);

// The same for the table open as `alias`, which becomes the current table.
std::string REGI_ENCRYPT(core::Ctx& ctx, std::string_view alias);
bool TESTAR_REGI_ENCRYPT(core::Ctx& ctx, std::string_view alias);
bool GRAVA_REGI_ENCRYPT(core::Ctx& ctx, std::string_view alias);

// Each sealed table's seal and seal test by their own names.
inline std::string PC_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "PC"); }
inline std::string RO_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "RO"); }
inline std::string IT_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "IT"); }
inline std::string EF_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "EF"); }
inline std::string PD_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "PD"); }
inline std::string Y1_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "Y1"); }
inline std::string Y2_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "Y2"); }
inline std::string Y4_REGI_ENCRYPT(core::Ctx& ctx) { return REGI_ENCRYPT(ctx, "Y4"); }

inline bool TESTAR_PC_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "PC"); }
inline bool TESTAR_RO_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "RO"); }
inline bool TESTAR_IT_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "IT"); }
inline bool TESTAR_EF_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "EF"); }
inline bool TESTAR_PD_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "PD"); }
inline bool TESTAR_Y1_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "Y1"); }
inline bool TESTAR_Y2_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "Y2"); }
inline bool TESTAR_Y4_REGI_ENCRYPT(core::Ctx& ctx) { return TESTAR_REGI_ENCRYPT(ctx, "Y4"); }

}  // namespace zelto::store
