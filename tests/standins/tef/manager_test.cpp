// One stand-in manager answering the requests put in its folder, polled at
// the times a test chooses.

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <fstream>

#include "support/temp_dir.hpp"
#include "tef/core/fields.hpp"
#include "tef/core/files.hpp"
#include "tef/core/manager.hpp"

namespace zelto::tefsim {
namespace {

struct Folder {
  zelto::testing::TempDir data;
  Manager manager{data.path(), manager_kind("PAD")};
  std::filesystem::path req = manager.root() / "req" / "IntPos.001";
  std::filesystem::path status = manager.root() / "resp" / "IntPos.Sts";
  std::filesystem::path response = manager.root() / "resp" / "IntPos.001";

  void request(const std::string& op, int number, const std::string& extra = "") {
    write_whole(req, "000-000 = " + op + "\r\n001-000 = " + std::to_string(number) + "\r\n" + extra +
                         "999-999 = 0\r\n");
  }
  void plan(const char* line) { manager.plan().add(Behaviour::parse(line)); }
  std::optional<Fields> read(const std::filesystem::path& file) {
    auto text = read_file(file);
    if (!text) return std::nullopt;
    return Fields::parse(*text);
  }
  std::string number_in(const std::filesystem::path& file) {
    auto f = read(file);
    return f ? f->get("001-000") : "none";
  }
};

const std::string kCard = "002-000 = 345\r\n003-000 = 1250\r\n004-000 = 0\r\n777-777 =  TESTE TECBAN\r\n";

TEST(Manager, ApprovesACardAtOnceWithItsReceiptLines) {
  Folder f;
  f.request("CRT", 7, kCard);
  f.manager.poll(0);
  EXPECT_FALSE(std::filesystem::exists(f.req));
  EXPECT_EQ(read_file(f.status), "000-000 = CRT\r\n001-000 = 7\r\n999-999 = 0\r\n");
  auto r = f.read(f.response);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->get("001-000"), "7");
  EXPECT_EQ(r->get("002-000"), "345");
  EXPECT_EQ(r->get("003-000"), "1250");
  EXPECT_EQ(r->get("010-000"), "REDECARD");
  EXPECT_EQ(r->get("012-000"), "000001");
  EXPECT_EQ(r->get("028-000"), "8");
  EXPECT_TRUE(r->has("029-008"));
  EXPECT_FALSE(r->has("029-009"));
  EXPECT_EQ(r->get("029-006"), "\"VALOR: R$ 12,50\"");
  EXPECT_EQ(r->get("030-000"), "TRANSACAO APROVADA");
  EXPECT_EQ(f.manager.journal(), std::vector<std::string>{"CRT 7 aprovada nsu=000001 valor=1250 doc=345"});

  // The next transaction has the next number; confirmations are acknowledged.
  f.request("CNF", 8, "012-000 = 000001\r\n");
  f.manager.poll(10);
  EXPECT_EQ(read_file(f.status), "000-000 = CNF\r\n001-000 = 8\r\n999-999 = 0\r\n");
  f.request("CRT", 9, kCard);
  f.manager.poll(20);
  EXPECT_EQ(f.read(f.response)->get("012-000"), "000002");
}

TEST(Manager, AnswersAsPlanned) {
  {  // denied: no receipt lines
    Folder f;
    f.plan("deny");
    f.request("CRT", 3, kCard);
    f.manager.poll(0);
    EXPECT_EQ(f.number_in(f.status), "3");
    EXPECT_EQ(f.read(f.response)->get("028-000"), "0");
    EXPECT_EQ(f.read(f.response)->get("030-000"), "TRANSACAO NEGADA");
  }
  {  // late: the status at once, the response when its time has come
    Folder f;
    f.plan("late 30");
    f.request("CRT", 3, kCard);
    f.manager.poll(1000);
    EXPECT_EQ(f.number_in(f.status), "3");
    f.manager.poll(30999);
    EXPECT_EQ(f.number_in(f.response), "none");
    f.manager.poll(31000);
    EXPECT_EQ(f.number_in(f.response), "3");
  }
  {  // stale: an earlier request's number first, the right one two seconds on
    Folder f;
    f.plan("stale");
    f.request("CRT", 3, kCard);
    f.manager.poll(0);
    EXPECT_EQ(f.number_in(f.response), "2");
    f.manager.poll(1999);
    EXPECT_EQ(f.number_in(f.response), "2");
    f.manager.poll(2000);
    EXPECT_EQ(f.number_in(f.response), "3");
  }
  {  // silent: the request stays where it is, unanswered, however long
    Folder f;
    f.plan("ATV silent");
    f.request("ATV", 3);
    f.manager.poll(0);
    f.manager.poll(60000);
    EXPECT_TRUE(std::filesystem::exists(f.req));
    EXPECT_EQ(f.number_in(f.status), "none");
    EXPECT_EQ(f.manager.journal(), std::vector<std::string>{"ATV 3 sem resposta"});
    // A new request is taken as usual.
    f.request("ATV", 4);
    f.manager.poll(61000);
    EXPECT_EQ(f.number_in(f.status), "4");
  }
  {  // die: takes the transaction, says so, and never answers again
    Folder f;
    f.plan("die");
    f.request("CRT", 3, kCard);
    f.manager.poll(0);
    EXPECT_TRUE(f.manager.dead());
    EXPECT_EQ(f.number_in(f.status), "3");
    f.request("NCN", 4);
    f.manager.poll(100000);
    EXPECT_EQ(f.number_in(f.response), "none");
    EXPECT_EQ(f.number_in(f.status), "3");
    EXPECT_TRUE(std::filesystem::exists(f.req));
  }
}

TEST(Manager, LeavesARequestUntilItIsWrittenWhole) {
  Folder f;
  std::ofstream(f.req) << "000-000 = CRT\r\n001-000 = 5\r\n";
  f.manager.poll(0);
  EXPECT_TRUE(std::filesystem::exists(f.req));
  EXPECT_EQ(f.number_in(f.status), "none");
  std::ofstream(f.req, std::ios::app) << "999-999 = 0\r\n";
  f.manager.poll(10);
  EXPECT_EQ(f.number_in(f.status), "5");
}

TEST(Manager, WritesItsAnswersWhole) {
  Folder f;
  const int fd = ::inotify_init1(IN_NONBLOCK);
  ::inotify_add_watch(fd, (f.manager.root() / "resp").c_str(), IN_CREATE | IN_MODIFY | IN_MOVED_TO);
  f.request("CRT", 1, kCard);
  f.manager.poll(0);
  alignas(inotify_event) char buf[4096];
  std::vector<std::string> seen;
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) {
    for (char* p = buf; p < buf + n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(p);
      const std::string name = e->name;
      if (name == "IntPos.Sts" || name == "IntPos.001") seen.push_back(name + ((e->mask & IN_MOVED_TO) ? " renamed" : " written"));
      p += sizeof(inotify_event) + e->len;
    }
  }
  ::close(fd);
  EXPECT_EQ(seen, (std::vector<std::string>{"IntPos.Sts renamed", "IntPos.001 renamed"}));
}

}  // namespace
}  // namespace zelto::tefsim
