// The lists the F2 key of a form can open, and the aliases a form may name
// for a lookup. The other aliases' lists (clients, suppliers, items ...)
// are out of the front end's reach.

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/runtime/text.hpp"
#include "registry/lookup.hpp"

namespace zelto::registry {
namespace {

const std::vector<LookupList>& lists() {
  static const std::vector<LookupList> all = {
      {"ET", "Tabela de Unidades da Federacao", "M421",
       {{"C018", "   Codigo", ""}, {"C099", "Nome da Unidade da Federacao", ""}}, 0},
      {"R8", "Tabela de Cidades", "M473", {{"C401", "   Codigo", ""}, {"C402", "Descri\xE7\xE3o da Cidade", ""}}, 0},
      {"D5", "Tabela de Cidades", "M4E1", {{"C100", "Cidade", ""}, {"C101", "Cidade", ""}}, 2},
      {"UD", "Tabela de Unidades de Medida", "M4E1",
       {{"C408", "Codigo", ""}, {"C409", "Descricao da Unidade de Medida", ""}}, 2},
      {"ST", "Tabela de Situa\xE7\xE3o Tribut\xE1ria", "M4E1",
       {{"C100", "Codigo", ""}, {"C101", "Descri\xE7\xE3o da Situa\xE7\xE3o Tribut\xE1ria", ""}}, 2},
      {"EP", "Tabela de CEP\xB4s", "CEP",
       {{"C978", "CEP", "@R 99.999.999"}, {"C973", "Endere\xE7o", ""}, {"C974", "Cidade", ""}}, 0},
  };
  return all;
}

constexpr std::array<std::string_view, 31> kKnownAliases = {
    "CL", "ET", "SE", "UN", "TD", "TM", "CO", "R2", "FO", "R6", "R8", "MD", "US", "AO", "MC", "D5",
    "FB", "AL", "UD", "GU", "ST", "VE", "DC", "IT", "NO", "IP", "A1", "FC", "EP", "PS", "DO",
};

}  // namespace

const LookupList* find_lookup_list(std::string_view alias) {
  const std::string wanted = runtime::upper(runtime::trim(alias));
  for (const LookupList& l : lists())
    if (l.alias == wanted) return &l;
  return nullptr;
}

bool lookup_alias_known(std::string_view alias) {
  const std::string wanted = runtime::upper(runtime::trim(alias));
  return std::find(kKnownAliases.begin(), kKnownAliases.end(), wanted) != kKnownAliases.end();
}

}  // namespace zelto::registry
