#pragma once
// A small data folder the program starts in: every table of the front-end
// catalogue made from the layouts, three operators (the maker's "ZEL",
// "GER" with a cash account of its own, "ANA" without one), a
// configuration record, the general parameters, the printer and signing
// libraries a complete installation holds, and a fresh emulated Bematech
// printer whose clock stands at 11/12/2026 10:30.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/password.hpp"
#include "platform/xbase/workspace.hpp"
#include "store/catalogue.hpp"
#include "store/lookup.hpp"
#include "support/installed_libraries.hpp"

namespace zelto::testing {

inline void add_operator(xbase::Table& us, const std::string& code, const std::string& password,
                         const std::string& account, const std::string& ecf_number) {
  us.append_blank();
  us.put("C001", code);
  us.put("C002", "Operador " + code);
  us.put("C003", app::SCRAMBLE_PASSWORD(password));
  us.put("C004", "A");
  us.put("C083", account);
  us.put("C433", ecf_number);
  us.unlock();
}

// The emulated printer answers in the folder the program runs in: a test
// that starts the program in-process stands there for its duration.
class InDataFolder {
 public:
  explicit InDataFolder(const std::filesystem::path& p) : before_(std::filesystem::current_path()) {
    std::filesystem::current_path(p);
  }
  ~InDataFolder() { std::filesystem::current_path(before_); }
  InDataFolder(const InDataFolder&) = delete;
  InDataFolder& operator=(const InDataFolder&) = delete;

 private:
  std::filesystem::path before_;
};

inline void install_printer(const std::filesystem::path& folder) {
  const std::string init = "cd '" + folder.string() + "' && '" + (built_standins() / "ecf" / "ecfsim").string() +
                           "' init --make BE --clock '11/12/2026 10:30' --frozen >/dev/null";
  if (std::system(init.c_str()) != 0) throw std::runtime_error("ecfsim init failed in " + folder.string());
}

inline void make_data_folder(const std::filesystem::path& folder) {
  xbase::Workspace db({folder, true, {}});
  for (const auto& entry : store::front_end_catalogue()) db.create(entry.file(), store::field_defs(*entry.table));

  xbase::Table& us = db.use("M001.DBF", "US", xbase::OpenMode::Exclusive);
  add_operator(us, "ZEL", "", "", "");
  add_operator(us, "GER", "ABC123", "CX01", "01");
  add_operator(us, "ANA", "SENHA1", "", "02");

  xbase::Table& co = db.use("CONF.DBF", "CO", xbase::OpenMode::Exclusive);
  co.append_blank();
  co.put("IMPRESSORA", "MP-4000 TH FI");
  co.put("NESTABELE", "Mercearia Boa Vista");
  co.put("C037", "01");
  co.put("C123", "001");
  co.put("C124", 48);
  co.put("C893", "BE");
  co.put("DESCFINAL", "D");
  co.put("DESCTIPO", "V");

  xbase::Table& cg = db.use("M226.DBF", "CG", xbase::OpenMode::Exclusive);
  cg.append_blank();
  cg.put("C313", "001");
  db.close_all();
  install_libraries(folder);
  install_printer(folder);
}

}  // namespace zelto::testing
