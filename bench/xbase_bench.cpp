// The table engine against SQLite on the same work: 1M items keyed by a
// 13-digit barcode. Seek versus an indexed point lookup, reindex versus
// CREATE INDEX (and versus sorting the keys in memory), and appends that
// keep three orders.
//
//   build/bench/xbase_bench --benchmark_min_time=1

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/runtime/number_text.hpp"
#include "platform/xbase/workspace.hpp"

namespace fs = std::filesystem;
using namespace zelto;
using namespace zelto::xbase;
using runtime::Decimal;

namespace {

constexpr uint32_t kRecords = 1'000'000;

std::string barcode(uint64_t i) {
  // Scattered 13-digit codes so inserts do not arrive in key order.
  uint64_t v = (i * 2654435761ULL) % 10'000'000'000'000ULL;
  std::string s = std::to_string(v);
  return std::string(13 - s.size(), '0') + s;
}

struct Fixture {
  fs::path dir;
  std::vector<std::string> probes;

  Fixture() {
    dir = fs::temp_directory_path() / ("zelto-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    write_table();
    write_sqlite();
    std::mt19937_64 rng(7);
    for (int i = 0; i < 100'000; ++i) probes.push_back(barcode(rng() % kRecords));
  }
  ~Fixture() { fs::remove_all(dir); }

  static std::vector<FieldDef> fields() {
    return {{"C666", FieldType::Character, 13, 0, 0},
            {"C030", FieldType::Character, 30, 0, 0},
            {"C163", FieldType::Character, 4, 0, 0},
            {"C031", FieldType::Numeric, 12, 2, 0}};
  }

  // The records are written in one pass straight into the file: building
  // the fixture is not what is measured.
  void write_table() {
    write_records();
    Workspace ws({dir, true, nullptr});
    ws.use("m206", "IT", OpenMode::Exclusive, {{"m206a", "C666"}});
  }

  void write_records() {
    auto dbf = DbfFile::create(open_file_storage(dir / "m206.dbf", FileOpen{true, true}), fields(), true);
    const auto& f = dbf->fields();
    std::string all;
    all.reserve(static_cast<size_t>(kRecords) * dbf->record_length() + 1);
    std::string rec(dbf->record_length(), ' ');
    for (uint32_t i = 0; i < kRecords; ++i) {
      rec.assign(dbf->record_length(), ' ');
      rec.replace(f[0].offset, 13, barcode(i));
      std::string name = "ITEM " + std::to_string(i);
      rec.replace(f[1].offset, name.size(), name);
      rec.replace(f[2].offset, 4, runtime::strzero(Decimal(static_cast<long long>(i % 97)), 4));
      rec.replace(f[3].offset, 12, runtime::str(Decimal::from_units(i % 100000, 2), 12, 2));
      all += rec;
    }
    all.push_back('\x1A');
    dbf->storage().write_at(dbf->header_length(), all.data(), all.size());
    dbf->write_header_count(kRecords);
  }

  void write_sqlite() {
    sqlite3* db = nullptr;
    sqlite3_open((dir / "items.sqlite").c_str(), &db);
    sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "CREATE TABLE items(barcode TEXT, name TEXT, grp TEXT, price NUMERIC)", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO items VALUES(?,?,?,?)", -1, &ins, nullptr);
    for (uint32_t i = 0; i < kRecords; ++i) {
      std::string code = barcode(i), name = "ITEM " + std::to_string(i);
      sqlite3_bind_text(ins, 1, code.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(ins, 2, name.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int(ins, 3, static_cast<int>(i % 97));
      sqlite3_bind_int(ins, 4, static_cast<int>(i % 100000));
      sqlite3_step(ins);
      sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    sqlite3_exec(db, "COMMIT; CREATE INDEX items_barcode ON items(barcode);", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_Seek_Ntx(benchmark::State& state) {
  Fixture& fx = fixture();
  Workspace ws({fx.dir, true, nullptr});
  Table& t = ws.use("m206", "IT", OpenMode::Shared, {{"m206a", "C666"}});
  size_t i = 0;
  for (auto _ : state) {
    bool found = t.seek(fx.probes[i++ % fx.probes.size()]);
    benchmark::DoNotOptimize(found);
    if (!found) state.SkipWithError("barcode not found");
  }
}
BENCHMARK(BM_Seek_Ntx);

void BM_Seek_Sqlite(benchmark::State& state) {
  Fixture& fx = fixture();
  sqlite3* db = nullptr;
  sqlite3_open((fx.dir / "items.sqlite").c_str(), &db);
  sqlite3_stmt* q = nullptr;
  sqlite3_prepare_v2(db, "SELECT rowid, name, grp, price FROM items WHERE barcode = ?", -1, &q, nullptr);
  size_t i = 0;
  for (auto _ : state) {
    const std::string& code = fx.probes[i++ % fx.probes.size()];
    sqlite3_bind_text(q, 1, code.c_str(), static_cast<int>(code.size()), SQLITE_STATIC);
    int rc = sqlite3_step(q);
    if (rc != SQLITE_ROW) state.SkipWithError("barcode not found");
    benchmark::DoNotOptimize(sqlite3_column_int64(q, 0));
    sqlite3_reset(q);
  }
  sqlite3_finalize(q);
  sqlite3_close(db);
}
BENCHMARK(BM_Seek_Sqlite);

void BM_Reindex_Ntx(benchmark::State& state) {
  Fixture& fx = fixture();
  Workspace ws({fx.dir, true, nullptr});
  Table& t = ws.use("m206", "IT", OpenMode::Exclusive, {{"m206a", "C666"}});
  for (auto _ : state) t.reindex();
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kRecords);
}
BENCHMARK(BM_Reindex_Ntx)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CreateIndex_Sqlite(benchmark::State& state) {
  Fixture& fx = fixture();
  sqlite3* db = nullptr;
  sqlite3_open((fx.dir / "items.sqlite").c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;", nullptr, nullptr, nullptr);
  for (auto _ : state) {
    state.PauseTiming();
    sqlite3_exec(db, "DROP INDEX IF EXISTS items_bench", nullptr, nullptr, nullptr);
    state.ResumeTiming();
    sqlite3_exec(db, "CREATE INDEX items_bench ON items(barcode)", nullptr, nullptr, nullptr);
  }
  sqlite3_exec(db, "DROP INDEX IF EXISTS items_bench", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kRecords);
}
BENCHMARK(BM_CreateIndex_Sqlite)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortKeysInMemory(benchmark::State& state) {
  std::vector<std::pair<std::string, uint32_t>> keys;
  keys.reserve(kRecords);
  for (uint32_t i = 0; i < kRecords; ++i) keys.push_back({barcode(i), i + 1});
  for (auto _ : state) {
    state.PauseTiming();
    auto copy = keys;
    state.ResumeTiming();
    std::sort(copy.begin(), copy.end());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kRecords);
}
BENCHMARK(BM_SortKeysInMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Append_3Orders(benchmark::State& state) {
  Fixture& fx = fixture();
  fs::path dir = fx.dir / "append";
  fs::create_directories(dir);
  fs::copy_file(fx.dir / "m206.dbf", dir / "m206.dbf", fs::copy_options::overwrite_existing);
  Workspace ws({dir, true, nullptr});
  Table& t = ws.use("m206", "IT", OpenMode::Shared,
                    {{"m206a", "C666"}, {"m206b", "C163+C030"}, {"m206c", "C031"}});
  uint64_t i = kRecords;
  for (auto _ : state) {
    t.append_blank();
    t.put("C666", barcode(i));
    t.put("C030", "NEW ITEM " + std::to_string(i));
    t.put("C163", "0001");
    t.put("C031", Decimal::from_units(static_cast<long long>(i % 100000), 2));
    t.unlock();
    ++i;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_Append_3Orders)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
