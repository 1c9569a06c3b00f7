// Random insertions and removals checked against a sorted in-memory model:
// the walk, the searches and the page fill after every few hundred changes.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "platform/xbase/error.hpp"
#include "platform/xbase/ntx_index.hpp"
#include "platform/xbase/ntx_test_support.hpp"

namespace zelto::xbase {
namespace {

using test::read_raw;
using test::test_key;
using Model = std::set<std::pair<std::string, uint32_t>>;

std::vector<IndexEntry> as_entries(const Model& m) {
  std::vector<IndexEntry> out;
  for (const auto& [k, r] : m) out.push_back({k, r});
  return out;
}

struct Config {
  const char* name;
  int key_size;
  bool on_file;  // a shared file (locks taken) or exclusive memory (pages reused)
  int ops;
  int key_space;
  int min_depth;  // the tree must have grown at least this deep
};
void PrintTo(const Config& c, std::ostream* os) { *os << c.name; }

class NtxModel : public ::testing::TestWithParam<Config> {
 protected:
  void SetUp() override {
    const Config& c = GetParam();
    std::unique_ptr<Storage> s = c.on_file ? open_file_storage(dir_ / "m206a.ntx", {true, true})
                                           : make_memory_storage("m206a.ntx");
    index_ = NtxIndex::create(std::move(s), "C012", c.key_size, 0, false, false, c.on_file);
  }

  void verify() {
    SCOPED_TRACE("after " + std::to_string(model_.size()) + " entries");
    const auto expected = as_entries(model_);
    ASSERT_EQ(index_->check(), expected);
    auto raw = read_raw(index_->storage());
    ASSERT_EQ(raw.entries, expected);
    if (raw.depth > 1) {
      EXPECT_GE(raw.fewest_below, index_->header().max_items / 2);
    }
    deepest_ = std::max(deepest_, raw.depth);
  }

  test::TempDir dir_;
  std::unique_ptr<NtxIndex> index_;
  Model model_;
  int deepest_ = 0;
};

TEST_P(NtxModel, RandomChangesMatchTheModel) {
  const Config& c = GetParam();
  std::mt19937 rng(1234);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  for (int op = 0; op < c.ops; ++op) {
    // Grow for the first half, then shrink, so that merges run deep too.
    const bool grow = op < c.ops / 2 ? pick(100) < 75 : pick(100) < 30;
    std::string key = test_key(pick(c.key_space), c.key_size);
    uint32_t recno = static_cast<uint32_t>(1 + pick(40));
    if (grow) {
      index_->insert(key, recno);
      model_.insert({key, recno});
    } else {
      if (pick(4) != 0) {  // mostly an entry that is there
        auto it = model_.lower_bound({key, 0});
        if (it == model_.end()) it = model_.begin();
        if (it != model_.end()) std::tie(key, recno) = *it;
      }
      const bool had = model_.erase({key, recno}) == 1;
      ASSERT_EQ(index_->remove(key, recno), had) << "op " << op;
    }
    if (op % 400 == 399) {
      verify();
      if (HasFatalFailure()) return;
    }
  }
  verify();
  EXPECT_GE(deepest_, c.min_depth);

  // Walking both ways gives the model in order.
  std::vector<IndexEntry> forward, backward;
  for (auto e = index_->first(); e && forward.size() <= model_.size(); e = index_->next(*e)) forward.push_back(*e);
  for (auto e = index_->last(); e && backward.size() <= model_.size(); e = index_->prev(*e))
    backward.insert(backward.begin(), *e);
  EXPECT_EQ(forward, as_entries(model_));
  EXPECT_EQ(backward, as_entries(model_));

  // Exact, soft and last seeks by prefixes of every length.
  for (int i = 0; i < 300; ++i) {
    std::string prefix = test_key(pick(c.key_space), c.key_size).substr(0, static_cast<size_t>(pick(c.key_size + 1)));
    SCOPED_TRACE("prefix of " + std::to_string(prefix.size()));
    auto cut = [&](const std::string& k) { return k.substr(0, prefix.size()); };
    std::optional<IndexEntry> want_first, want_last;
    for (const auto& [k, r] : model_) {
      if (!want_first && cut(k) >= prefix) want_first = IndexEntry{k, r};
      if (cut(k) <= prefix) want_last = IndexEntry{k, r};
    }
    EXPECT_EQ(index_->seek(prefix), want_first);
    EXPECT_EQ(index_->seek(prefix, true), want_last);
  }

  // Stepping from an entry that is no longer there lands on its neighbours.
  if (model_.size() > 2) {
    auto middle = std::next(model_.begin(), static_cast<long>(model_.size() / 2));
    IndexEntry gone{middle->first, middle->second};
    IndexEntry before{std::prev(middle)->first, std::prev(middle)->second};
    IndexEntry after{std::next(middle)->first, std::next(middle)->second};
    ASSERT_TRUE(index_->remove(gone.key, gone.recno));
    model_.erase(middle);
    EXPECT_EQ(index_->next(gone), after);
    EXPECT_EQ(index_->prev(gone), before);
  }

  // Emptied, the tree is a lone empty root again.
  for (const auto& [k, r] : Model(model_)) ASSERT_TRUE(index_->remove(k, r));
  model_.clear();
  verify();
  EXPECT_EQ(read_raw(index_->storage()).depth, 1);
  EXPECT_FALSE(index_->first());
  EXPECT_FALSE(index_->seek(""));
}

INSTANTIATE_TEST_SUITE_P(Sizes, NtxModel,
                         ::testing::Values(Config{"wide_keys_in_memory", 100, false, 6000, 2500, 4},
                                           Config{"widest_keys_on_file", 250, true, 2500, 1200, 6},
                                           Config{"narrow_keys_in_memory", 10, false, 16000, 6000, 3},
                                           Config{"narrow_keys_on_file", 13, true, 6000, 3000, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NtxIndex, UniqueKeepsTheFirstRecordOfAKey) {
  auto index = NtxIndex::create(make_memory_storage("u.ntx"), "C012", 4, 0, true, false, false);
  index->insert("AAAA", 5);
  index->insert("AAAA", 2);
  index->insert("BBBB", 1);
  EXPECT_EQ(index->check(), (std::vector<IndexEntry>{{"AAAA", 5}, {"BBBB", 1}}));
  index->build({{"CCCC", 9}, {"CCCC", 3}, {"AAAA", 4}});
  EXPECT_EQ(index->check(), (std::vector<IndexEntry>{{"AAAA", 4}, {"CCCC", 3}}));
}

TEST(NtxIndex, DescendFlagRunsTheOrderBackwards) {
  auto index = NtxIndex::create(make_memory_storage("d.ntx"), "C012", 6, 0, false, true, false);
  Model model;
  std::mt19937 rng(5);
  for (int i = 0; i < 1500; ++i) {
    std::string k = test_key(static_cast<int>(rng() % 700), 6);
    index->insert(k, i % 7 + 1);
    model.insert({k, i % 7 + 1});
  }
  std::vector<IndexEntry> want;
  for (const auto& [k, r] : model) want.push_back({k, r});
  std::stable_sort(want.begin(), want.end(), [](const IndexEntry& a, const IndexEntry& b) { return a.key > b.key; });
  EXPECT_EQ(index->check(), want);
  auto built = NtxIndex::create(make_memory_storage("d2.ntx"), "C012", 6, 0, false, true, false);
  built->build(want);
  EXPECT_EQ(built->check(), want);
  auto hit = index->seek(want[100].key);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->key, want[100].key);
  auto it = std::find_if(want.begin(), want.end(), [&](const IndexEntry& e) { return e.key == want[100].key; });
  EXPECT_EQ(*hit, *it);
}

TEST(NtxIndex, KeysOfTheWrongSizeAreRefused) {
  auto index = NtxIndex::create(make_memory_storage("k.ntx"), "C012", 4, 0, false, false, false);
  try {
    index->insert("ABC", 1);
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), ErrorKind::Usage);
  }
  EXPECT_THROW(index->build({{"ABCDE", 1}}), Error);
  EXPECT_THROW(NtxIndex::create(make_memory_storage("x.ntx"), "C", 300, 0, false, false, false), Error);
}

}  // namespace
}  // namespace zelto::xbase
