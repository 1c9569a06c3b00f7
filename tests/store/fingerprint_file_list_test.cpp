// The file list: which file each listed name digests here, the messages
// for missing libraries, the back-office line and the signature texts.

#include "store/fingerprint_file_list.hpp"

#include <gtest/gtest.h>

#include "store/fingerprint_md5.hpp"
#include "store/lookup.hpp"
#include "store/seal_fixture.hpp"
#include "store/tables.hpp"
#include "support/installed_libraries.hpp"
#include "support/scripted_ctx.hpp"

namespace zelto::store {
namespace {

using zelto::testing::ScriptedCtx;

struct Folder {
  ScriptedCtx t;
  FileListSources sources;

  Folder() {
    sources.folder = t.dir.path();
    sources.program = t.dir / "zeltoecf";
    testing::write_bytes(sources.program, "the program");
  }
  void put(const std::string& name, const std::string& bytes) { testing::write_bytes(t.dir / name, bytes); }
  std::string list(const std::string& name = "md5_arquivos.txt") { return testing::read_bytes(t.dir / name); }
};

TEST(FileList, EachNameDigestsItsFileAndAMissingLibraryIsTold) {
  Folder f;
  f.put("Bemafi32.dll", "bematech");
  f.put("CONVECF.DLL", "sweda");  // found in any case
  f.sources.back_office_folder = "retag\\";
  std::filesystem::create_directory(f.t.dir / "RETAG");
  f.put("RETAG/razididi.exe", "back office");

  f.t.script().ok(
      "Nao Achou a DLL, \"Daruma32.dll\", na pasta do ZeltoEcf,\r"
      "Provavelmente não conseguira comunicar com a Impressora DARUMA");
  write_file_list(f.t.ctx, f.sources, "md5_arquivos.txt");
  EXPECT_TRUE(f.t.script().empty());  // the signing library is listed without a message

  EXPECT_EQ(f.list(), "ZELTOECF.EXE * " + md5_hex("the program") + "\r\n" +
                          "Bemafi32.dll * " + md5_hex("bematech") + "\r\n" +
                          "Daruma32.dll * \r\n" +
                          "convecf.dll * " + md5_hex("sweda") + "\r\n" +
                          "Sign_Bema.dll * \r\n" +
                          "retag\\RAZIDIDI.EXE * " + md5_hex("back office") + "\r\n");
  const core::Globals& g = f.t.g;
  EXPECT_EQ(g.V_SIGN_NECF, "ZeltoEcf.exe - " + md5_hex("the program"));
  EXPECT_EQ(g.V_SIGN_BEMA, "Bemafi32.Dll - " + md5_hex("bematech"));
  EXPECT_EQ(g.V_SIGN_DARU, "Daruma32.Dll - ");
  EXPECT_EQ(g.V_SIGN_CONV, "ConvEcf.dll - " + md5_hex("sweda"));
  EXPECT_EQ(g.V_SIGN_SIGN, "Sign_Bema.Dll - ");
  EXPECT_EQ(g.V_SIGN_CONT, "Razididi.exe - " + md5_hex("back office"));

  // A back office on Linux has another program; not there, no line 6.
  f.sources.back_office_on_linux = true;
  f.t.script().ok(
      "Nao Achou a DLL, \"Daruma32.dll\", na pasta do ZeltoEcf,\r"
      "Provavelmente não conseguira comunicar com a Impressora DARUMA");
  write_file_list(f.t.ctx, f.sources, "md5_arquivos.txt");
  EXPECT_EQ(f.list().find("retag"), std::string::npos);
  EXPECT_EQ(g.V_SIGN_CONT, "");
}

TEST(FileList, MessagesForEachMissingLibrary) {
  Folder f;
  f.t.script()
      .ok("Nao Achou a DLL, \"Bemafi32.dll\", na pasta do ZeltoEcf,\r"
          "Provavelmente não conseguira comunicar com a Impressora BEMATECH")
      .ok("Nao Achou a DLL, \"Daruma32.dll\", na pasta do ZeltoEcf,\r"
          "Provavelmente não conseguira comunicar com a Impressora DARUMA")
      .ok("Nao Achou a DLL, \"ConvEcf.dll\", na pasta do ZeltoEcf,\r"
          "Provavelmente não conseguira comunicar com a Impressora SWEDA");
  write_file_list(f.t.ctx, f.sources, "md5_arquivos.txt");
  EXPECT_TRUE(f.t.script().empty());
  // The signing library's message, for when its absence is announced.
  EXPECT_EQ(missing_library_message(listed_files()[4]), "Nao Achou a DLL, \"Sign_Bema.dll\", na pasta do ZeltoEcf");
}

// The libraries installed as a complete folder has them: nothing is told
// and each is digested.
TEST(FileList, ACompleteInstallationTellsNothing) {
  Folder f;
  zelto::testing::install_libraries(f.t.dir.path());

  write_file_list(f.t.ctx, f.sources, "md5_arquivos.txt");
  const std::string list = f.list();
  for (const ListedFile& l : listed_files()) {
    if (l.at != InstalledAt::DataFolder) continue;
    const auto file = os::find_file(f.t.dir.path(), l.file);
    ASSERT_TRUE(file) << l.file;
    EXPECT_NE(list.find(std::string(l.listed_as) + " * " + *file_md5_hex(*file) + "\r\n"), std::string::npos)
        << l.listed_as;
  }
}

// Through the run: the running program is line 1, the back-office folder
// comes from the configuration record open as CO, the name is the caller's.
TEST(FileList, TheRunsProgramAndConfiguration) {
  Folder f;
  f.t.db.create(table::CO.file, field_defs(table::CO));
  xbase::Table& co = f.t.db.use(table::CO.file, "CO", xbase::OpenMode::Exclusive);
  co.append_blank();
  co.put("DIRETORIO", "  bo");
  co.put("DOSLINUX", "L");
  std::filesystem::create_directory(f.t.dir / "bo");
  f.put("bo/zcolinux", "linux back office");
  for (const ListedFile& l : listed_files())
    if (l.at == InstalledAt::DataFolder) f.put(std::string(l.file), "lib");

  std::filesystem::create_directory(f.t.dir / "relat");
  EXPECT_TRUE(GERA_ARQ_MD5_ARQUIVOS_TXT(f.t.ctx, "relat\\lista.txt"));
  const std::string list = testing::read_bytes(f.t.dir / "relat" / "lista.txt");
  const auto program = file_md5_hex(running_program());
  ASSERT_TRUE(program);
  EXPECT_EQ(list.substr(0, list.find("\r\n")), "ZELTOECF.EXE * " + *program);
  EXPECT_NE(list.find("bo\\zcolinux * " + md5_hex("linux back office") + "\r\n"), std::string::npos);
}

TEST(Md5, PublishedDigests) {
  EXPECT_EQ(md5_hex(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(md5_hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_FALSE(file_md5_hex("/nonexistent/file"));
}

}  // namespace
}  // namespace zelto::store
