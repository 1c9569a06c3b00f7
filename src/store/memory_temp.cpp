#include "store/memory_temp.hpp"

#include "core/dialogs.hpp"
#include "platform/runtime/number_text.hpp"
#include "platform/runtime/text.hpp"
#include "store/temp_folder.hpp"

namespace zelto::store {
namespace {

constexpr int kNumbers = 10000;  // four digits

core::Text free_alias(core::Ctx& ctx) {
  int number = temp_number(ctx.clock.now());
  core::Text alias;
  for (int tried = 0; tried < kNumbers; ++tried, number = (number + 1) % kNumbers) {
    alias = ctx.g.VUSU + runtime::strzero(core::Decimal(number), 4);
    if (!ctx.db.is_open(alias)) break;
  }
  return alias;
}

}  // namespace

core::Text CRIA_TMP(core::Ctx& ctx, std::vector<xbase::FieldDef> fields, const core::Text& alias,
                    const core::Text& autoname, const std::vector<core::Text>& tags) {
  const core::Text name = autoname == "S" ? free_alias(ctx) : runtime::upper(runtime::trim(alias));
  if (xbase::Table* open = ctx.db.find(name)) {
    if (!open->temporary()) {
      core::G_ERRO(ctx, "O apelido " + name + " ja esta em uso por um arquivo");
      return "";
    }
    ctx.db.close(name);
  }
  std::vector<std::pair<core::Text, core::Text>> orders;  // tag, key
  if (!tags.empty()) {
    for (const auto& tag : tags) orders.emplace_back(tag, tag);
  } else {
    for (size_t i = 0; i < fields.size(); ++i)
      if (fields[i].type != xbase::FieldType::Memo)
        orders.emplace_back(runtime::strzero(core::Decimal(static_cast<long>(i + 1)), 3), fields[i].name);
  }
  try {
    xbase::Table& table = ctx.db.create_temp(name, std::move(fields));
    for (const auto& [tag, key] : orders) table.add_memory_order(tag, key);
    if (table.order_count() > 0) table.set_order(1);
    table.go_top();
  } catch (const std::exception& e) {
    if (ctx.db.is_open(name)) ctx.db.close(name);
    core::G_ERRO(ctx, "Nao foi possivel criar a tabela temporaria " + name + "\n" + e.what());
    return "";
  }
  return name;
}

}  // namespace zelto::store
