#pragma once
// Where each payment manager and the checkout exchange their files.
//
// On the shops' machines the managers' folders sit at the root of the
// drive ("\tef_dial\", "\tef_disc\", "\HiperTEF\"). Here every one of them
// lives below the data folder, in "tef/" under the same name, so that a
// checkout's folder carries its managers with it and two data folders on one
// machine never share a manager by accident:
//
//   <data folder>/tef/tef_dial/   the default manager "PAD" (REDECARD, American, VISA)
//   <data folder>/tef/tef_disc/   "TEC" (TecBan)
//   <data folder>/tef/HiperTEF/   "HIP" (HiperCard)
//
// Below each: "req/" for the checkout's requests, "resp/" for the manager's
// status and response files, and the copy of the last response
// ("IntPos.Tmp") at the top.

#include <filesystem>
#include <string>
#include <string_view>

namespace zelto::tef {

// The files of the exchange, by the names the managers know them.
inline constexpr std::string_view kRequestTemp = "req\\IntPos.tmp";
inline constexpr std::string_view kRequest = "req\\IntPos.001";
inline constexpr std::string_view kStatus = "resp\\IntPos.Sts";
inline constexpr std::string_view kResponse = "resp\\IntPos.001";
inline constexpr std::string_view kPending = "IntPos.Tmp";

// The manager's folder as the system names it: "\tef_disc\" for "TEC",
// "\HiperTEF\" for "HIP", "\tef_dial\" for any other code.
std::string manager_folder_text(std::string_view manager);

// The manager's code the folder belongs to: "TEC", "HIP" or "PAD".
std::string manager_code(std::string_view manager);

class ManagerFolder {
 public:
  ManagerFolder(const std::filesystem::path& data_folder, std::string_view manager);

  const std::string& code() const { return code_; }
  const std::filesystem::path& root() const { return root_; }

  // A file of the exchange by its Windows name ("resp\IntPos.Sts"): the
  // existing file in any case (a manager may write "INTPOS.STS"), otherwise
  // the name as the system spells it.
  std::filesystem::path file(std::string_view name) const;

  // The manager's folder with its "req" and "resp" folders, made when missing.
  void make_folders() const;

 private:
  std::string code_;
  std::filesystem::path root_;
};

}  // namespace zelto::tef
