#pragma once
// The file list "md5_arquivos.txt": the MD5 of the program and of the
// libraries it loads, one line each, "NAME * DIGEST" ended by CR LF, the
// digest empty when the file is missing. Its names are the ones the list
// has always carried ("ZELTOECF.EXE", "Bemafi32.dll" ...); listed_files()
// says which file of this installation each of them digests, and is the
// only place that knows. The signature texts V_SIGN_* of the identification
// screen are set as the list is written.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/context.hpp"

namespace zelto::store {

inline constexpr std::string_view kFileList = "md5_arquivos.txt";

enum class InstalledAt {
  RunningProgram,  // the executable of the running process
  DataFolder,      // a file of the data folder, found in any case
};

// What a missing file is told with.
enum class MissingNotice {
  None,
  PrinterLibrary,  // "... na pasta do ZeltoEcf," CR "Provavelmente ... Impressora " + maker
  SigningLibrary,  // "... na pasta do ZeltoEcf"
};

struct ListedFile {
  std::string_view listed_as;  // the name written in the list
  InstalledAt at;
  std::string_view file;  // DataFolder: its name
  MissingNotice notice = MissingNotice::None;
  std::string_view shown_as = {};  // its name in the message
  std::string_view maker = {};     // PrinterLibrary: the printer named
  bool announced = true;           // false: a missing file is listed without a message
  std::string_view sign_prefix = {};
  core::Text core::Globals::*sign = nullptr;
};

// Lines 1 to 5, in the list's order.
std::span<const ListedFile> listed_files();
std::string missing_library_message(const ListedFile& file);

// What a list is made from on this installation.
struct FileListSources {
  std::filesystem::path folder;      // the data folder
  std::filesystem::path program;     // the running program
  std::string back_office_folder;    // the configured folder, "\" ended when longer than one character
  bool back_office_on_linux = false; // the configuration's DOSLINUX is "L"
};
// From the configuration record (the work area CO when it is open, the
// settings read at start otherwise).
FileListSources file_list_sources(core::Ctx& ctx);
std::filesystem::path running_program();

// Writes the list under `name` (a file of the data folder), telling each
// missing library, and sets the signature texts. Returns the bytes written.
// Throws std::system_error when the folder will not take the file.
std::string write_file_list(core::Ctx& ctx, const FileListSources& sources, std::string_view name);
bool GERA_ARQ_MD5_ARQUIVOS_TXT(core::Ctx& ctx, std::string_view name);

}  // namespace zelto::store
