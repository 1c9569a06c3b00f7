#include "store/fingerprint_file_list.hpp"

#include <optional>
#include <system_error>

#include "core/dialogs.hpp"
#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"
#include "store/fingerprint_md5.hpp"
#include "store/fingerprint_replace.hpp"
#include "store/system_path.hpp"

namespace zelto::store {
namespace {

using core::Globals;

// The printer libraries are the emulated printer's, copied into the data
// folder under the makers' file names. The signing library is not yet
// installed with the program: its line is written, with an empty digest
// while it is missing, but a missing one is not announced.
constexpr ListedFile kListedFiles[] = {
    {"ZELTOECF.EXE", InstalledAt::RunningProgram, {}, MissingNotice::None, {}, {}, true, "ZeltoEcf.exe - ",
     &Globals::V_SIGN_NECF},
    {"Bemafi32.dll", InstalledAt::DataFolder, "Bemafi32.dll", MissingNotice::PrinterLibrary, "Bemafi32.dll",
     "BEMATECH", true, "Bemafi32.Dll - ", &Globals::V_SIGN_BEMA},
    {"Daruma32.dll", InstalledAt::DataFolder, "Daruma32.dll", MissingNotice::PrinterLibrary, "Daruma32.dll", "DARUMA",
     true, "Daruma32.Dll - ", &Globals::V_SIGN_DARU},
    {"convecf.dll", InstalledAt::DataFolder, "ConvEcf.dll", MissingNotice::PrinterLibrary, "ConvEcf.dll", "SWEDA",
     true, "ConvEcf.dll - ", &Globals::V_SIGN_CONV},
    {"Sign_Bema.dll", InstalledAt::DataFolder, "sign_bema.dll", MissingNotice::SigningLibrary, "Sign_Bema.dll", {},
     false, "Sign_Bema.Dll - ", &Globals::V_SIGN_SIGN},
};

// Line 6: the back-office program, when it is in the back-office folder.
constexpr std::string_view kBackOfficeProgram = "RAZIDIDI.EXE";
constexpr std::string_view kBackOfficeLinuxProgram = "zcolinux";
constexpr std::string_view kBackOfficeSignPrefix = "Razididi.exe - ";

constexpr std::string_view kLineEnd = "\r\n";

std::string list_line(std::string_view name, std::string_view digest) {
  std::string line(name);
  line += " * ";
  line += digest;
  line += kLineEnd;
  return line;
}

std::optional<std::string> digest_of(const ListedFile& file, const FileListSources& sources) {
  if (file.at == InstalledAt::RunningProgram) return file_md5_hex(sources.program);
  const auto found = os::find_file(sources.folder, file.file);
  if (!found) return std::nullopt;
  return file_md5_hex(*found);
}

std::string back_office_folder(const core::Text& configured) {
  std::string folder = runtime::trim(configured);
  if (folder.size() > 1 && folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::span<const ListedFile> listed_files() { return kListedFiles; }

std::string missing_library_message(const ListedFile& file) {
  std::string message = "Nao Achou a DLL, \"" + std::string(file.shown_as) + "\", na pasta do ZeltoEcf";
  if (file.notice == MissingNotice::PrinterLibrary)
    message += ",\rProvavelmente n\xE3o conseguira comunicar com a Impressora " + std::string(file.maker);
  return message;
}

std::filesystem::path running_program() {
  std::error_code ec;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : program;
}

FileListSources file_list_sources(core::Ctx& ctx) {
  FileListSources sources{ctx.folder(), running_program(), ctx.g.WDIRETOR, false};
  xbase::Table* conf = ctx.db.find("CO");
  if (!conf) return sources;
  const xbase::Position kept = conf->position();
  conf->go_top();
  if (!conf->eof()) {
    if (conf->has_field("DIRETORIO")) sources.back_office_folder = back_office_folder(conf->text("DIRETORIO"));
    if (conf->has_field("DOSLINUX")) sources.back_office_on_linux = runtime::prefix_equal(conf->text("DOSLINUX"), "L");
  }
  conf->restore(kept);
  return sources;
}

std::string write_file_list(core::Ctx& ctx, const FileListSources& sources, std::string_view name) {
  std::string list;
  for (const ListedFile& file : kListedFiles) {
    const std::optional<std::string> digest = digest_of(file, sources);
    if (!digest && file.notice != MissingNotice::None && file.announced)
      core::G_ALERT(ctx, missing_library_message(file));
    list += list_line(file.listed_as, digest.value_or(""));
    (ctx.g).*(file.sign) = std::string(file.sign_prefix) + digest.value_or("");
  }

  const std::string back_office =
      sources.back_office_folder +
      std::string(sources.back_office_on_linux ? kBackOfficeLinuxProgram : kBackOfficeProgram);
  const std::optional<std::string> digest = file_md5_hex(system_path(sources.folder, back_office));
  if (digest) {
    list += list_line(back_office, *digest);
    ctx.g.V_SIGN_CONT = std::string(kBackOfficeSignPrefix) + *digest;
  } else {
    ctx.g.V_SIGN_CONT.clear();
  }

  replace_file(system_path(sources.folder, name), list);
  return list;
}

bool GERA_ARQ_MD5_ARQUIVOS_TXT(core::Ctx& ctx, std::string_view name) {
  try {
    write_file_list(ctx, file_list_sources(ctx), name);
    return true;
  } catch (const std::system_error& e) {
    core::G_ERRO(ctx, "Nao Conseguiu Gravar o Arquivo " + std::string(name) + "\r" + e.what());
    return false;
  }
}

}  // namespace zelto::store
