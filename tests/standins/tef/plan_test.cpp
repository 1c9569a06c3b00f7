// The managers' plans: what each behaviour line means and which request
// takes it.

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"
#include "tef/core/plan.hpp"

namespace zelto::tefsim {
namespace {

TEST(Plan, BehaviourLinesReadAndWriteBack) {
  const struct {
    const char* line;
    const char* operation;
    Conduct conduct;
    int seconds;
  } good[] = {
      {"approve", "", Conduct::Approve, 0},   {"CRT deny", "CRT", Conduct::Deny, 0},
      {"  late 30 ", "", Conduct::Late, 30},  {"CNF late 0", "CNF", Conduct::Late, 0},
      {"* silent", "*", Conduct::Silent, 0},  {"ATV stale", "ATV", Conduct::Stale, 0},
      {"NCN die", "NCN", Conduct::Die, 0},
  };
  for (const auto& g : good) {
    const Behaviour b = Behaviour::parse(g.line);
    EXPECT_EQ(b.operation, g.operation) << g.line;
    EXPECT_EQ(b.conduct, g.conduct) << g.line;
    EXPECT_EQ(b.seconds, g.seconds) << g.line;
    EXPECT_EQ(Behaviour::parse(b.text()).text(), b.text()) << g.line;
  }
  for (const char* bad : {"", "CRT", "explode", "late", "late soon", "late -1", "deny 3", "crt deny"})
    EXPECT_THROW(Behaviour::parse(bad), std::invalid_argument) << bad;
}

TEST(Plan, EachRequestTakesTheFirstBehaviourMeantForItOnce) {
  zelto::testing::TempDir dir;
  Plan plan(dir.path() / "tefsim_plano.txt");
  for (const char* line : {"CNF silent", "deny", "* late 5", "stale"}) plan.add(Behaviour::parse(line));
  // A behaviour without an operation waits for a transaction; the
  // acknowledgements pass it by.
  EXPECT_EQ(plan.take("ATV")->text(), "* late 5");
  EXPECT_EQ(plan.take("NCN"), std::nullopt);
  EXPECT_EQ(plan.take("CRT")->text(), "deny");
  EXPECT_EQ(plan.take("ADM")->text(), "stale");
  EXPECT_EQ(plan.take("CHQ"), std::nullopt);
  EXPECT_EQ(plan.take("CNF")->text(), "CNF silent");
  EXPECT_TRUE(plan.list().empty());
}

}  // namespace
}  // namespace zelto::tefsim
