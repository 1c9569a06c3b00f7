#include "store/seal_forms.hpp"

#include "platform/os/file_lookup.hpp"
#include "store/tables.hpp"

namespace zelto::store {
namespace {

constexpr SealNumberForm kReceiptItemNumbers[] = {
    {"C136", 8, 0},  {"C133", 14, 4}, {"C134", 14, 4},
    {"C031", 14, 4}, {"C135", 14, 4}, {"C137", 14, 4},
};
constexpr SealNumberForm kReceiptNumbers[] = {{"C130", 14, 4}, {"C131", 14, 4}, {"C132", 14, 4}};
constexpr SealNumberForm kItemNumbers[] = {{"C837", 14, 4}, {"C031", 14, 4}};
constexpr SealNumberForm kDayNumbers[] = {
    {"GTDA", 14, 4},   {"CANCEL", 14, 4}, {"DESCON", 14, 4}, {"SANGRI", 14, 4},     {"SUPRIM", 14, 4},
    {"ACRESC", 14, 4}, {"ACREFI", 14, 4}, {"CREDZ", 14, 0},  {"VENDABRUTA", 14, 4},
};
constexpr SealNumberForm kZTotalNumbers[] = {{"C232", 14, 4}, {"CREDZ", 10, 0}};
constexpr SealNumberForm kPaymentNumbers[] = {{"C361", 14, 2}, {"C261", 14, 2}};
constexpr SealNumberForm kOtherDocumentNumbers[] = {{"TAM_COLUNA", 5, 0}};

const SealedTable kSealedTables[] = {
    {&table::PC, kReceiptItemNumbers}, {&table::RO, kReceiptNumbers}, {&table::IT, kItemNumbers},
    {&table::EF, {}},                  {&table::PD, kDayNumbers},     {&table::Y1, kZTotalNumbers},
    {&table::Y2, kPaymentNumbers},     {&table::Y4, kOtherDocumentNumbers},
};

}  // namespace

const SealNumberForm* SealedTable::number_form(std::string_view field) const {
  for (const auto& form : numbers)
    if (os::iequals(form.field, field)) return &form;
  return nullptr;
}

std::span<const SealedTable> sealed_tables() { return kSealedTables; }

const SealedTable* find_sealed_table(std::string_view alias) {
  for (const auto& sealed : kSealedTables)
    if (os::iequals(sealed.alias(), alias)) return &sealed;
  return nullptr;
}

}  // namespace zelto::store
