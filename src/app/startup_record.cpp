#include "app/startup_record.hpp"

#include <stdexcept>

#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::app {

core::Text SettingsRecord::text(std::string_view field) const {
  if (!table_ || !table_->has_field(field)) return {};
  const xbase::Value v = table_->get(field);
  if (const auto* t = std::get_if<std::string>(&v)) return *t;
  if (const auto* n = std::get_if<core::Decimal>(&v)) return n->to_string();
  if (const auto* d = std::get_if<core::Date>(&v)) return d->dtos();
  return std::get<bool>(v) ? "T" : "F";
}

core::Decimal SettingsRecord::number(std::string_view field) const {
  if (!table_ || !table_->has_field(field)) return core::Decimal(0);
  const xbase::Value v = table_->get(field);
  if (const auto* n = std::get_if<core::Decimal>(&v)) return *n;
  if (const auto* t = std::get_if<std::string>(&v)) return runtime::val(*t);
  return core::Decimal(0);
}

bool SettingsRecord::is(std::string_view field, std::string_view value) const {
  return runtime::prefix_equal(text(field), value);
}

void assign_setting(core::Globals& g, std::string_view name, const SettingsRecord& record, std::string_view field) {
  const auto ref = g.find(name);
  if (!ref) throw std::logic_error("no global setting named " + std::string(name));
  if (auto* const* t = std::get_if<core::Text*>(&*ref)) {
    **t = record.text(field);
  } else if (auto* const* n = std::get_if<core::Decimal*>(&*ref)) {
    **n = record.number(field);
  } else {
    throw std::logic_error("global setting " + std::string(name) + " is neither text nor number");
  }
}

SettingsRecord first_record(core::Ctx& ctx, std::string_view alias) {
  xbase::Table* t = ctx.db.find(alias);
  if (t) t->go_top();
  return SettingsRecord(t);
}

SettingsRecord seek_record(core::Ctx& ctx, std::string_view alias, int order, const core::Text& key, bool* found) {
  xbase::Table* t = ctx.db.find(alias);
  bool hit = false;
  if (t) {
    t->set_order(order);
    hit = t->seek(key);
  }
  if (found) *found = hit;
  return SettingsRecord(t);
}

void read_first_record(core::Ctx& ctx, std::string_view file, std::string_view alias, xbase::OpenMode mode,
                       const std::function<void(const SettingsRecord&)>& read) {
  std::string name(file);
  if (name.find('.') == std::string::npos) name += ".dbf";
  if (!os::find_file(ctx.folder(), name)) {
    read(SettingsRecord(nullptr));
    return;
  }
  xbase::Table& table = ctx.db.use(file, alias, mode);
  struct Close {
    core::Ctx& ctx;
    std::string_view alias;
    ~Close() { ctx.db.close(alias); }
  } close{ctx, alias};
  table.go_top();
  read(SettingsRecord(table));
}

}  // namespace zelto::app
