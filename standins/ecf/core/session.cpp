#include "ecf/core/session.hpp"

#include "ecf/core/faults.hpp"
#include "ecf/core/memory_file.hpp"
#include "ecf/core/store.hpp"

namespace zelto::ecfsim {

namespace fs = std::filesystem;

namespace {

CallResult no_answer(std::string why) {
  CallResult r;
  r.answered = false;
  r.outcome = Outcome::failed(Refusal::NoAnswer, why);
  r.error = std::move(why);
  return r;
}

void keep(Output& into, Output& from) {
  for (auto& l : from.paper.lines()) into.paper.lines().push_back(std::move(l));
  for (auto& f : from.files) into.files.push_back(std::move(f));
}

}  // namespace

CallResult run_command(const fs::path& folder, Make make, CallKind kind, const Operation& op) {
  try {
    // No printer here: no lock file left behind either.
    if (!fs::exists(folder / files::kMemory)) return no_answer("no printer in this folder (ecfsim init)");
    PrinterLock lock(folder);
    Faults faults = load_faults(folder);
    const Faults faults_before = faults;
    Loaded loaded = load_memory(folder);
    if (!loaded.memory)
      return no_answer(loaded.error.empty() ? "no printer in this folder (ecfsim init)"
                                            : "fiscal memory unreadable: " + loaded.error);
    FiscalMemory& m = *loaded.memory;
    // A library of another maker finds no printer it can talk to.
    if (m.make != make) return no_answer("the printer here is of make " + make_code(m.make));

    Environment env{local_now(), faults.paper, folder};
    Output out;
    Strike strike = kind == CallKind::Command ? take_strike(faults) : Strike{};
    CallResult result;
    if (strike.before == Strike::Before::NoAnswer || strike.before == Strike::Before::PowerLoss) {
      result = no_answer(strike.before == Strike::Before::PowerLoss ? "power lost" : "no communication");
      if (strike.before == Strike::Before::PowerLoss) out.paper.centre("*** QUEDA DE ENERGIA ***");
      m.last_command = LastCommand{Refusal::NoAnswer, 0, 0, 0, result.error, false};
    } else {
      Printer(m, env, out).tick();
      if (strike.before == Strike::Before::Fail) {
        result.outcome = Outcome{Refusal::Forced, strike.code, 0, st2::kNotExecuted, "falha injetada"};
      } else {
        FiscalMemory before = m;
        Output done;
        Printer p(m, env, done);
        result.outcome = op(p);
        if (result.outcome.ok())
          keep(out, done);
        else
          m = std::move(before);
      }
      result.lost = strike.lose;
      result.lost_zero = strike.lose_zero;
    }

    for (const auto& [name, content] : out.files) {
      try {
        fs::path target = folder / name;
        fs::create_directories(target.parent_path());
        write_file_atomically(target, content);
      } catch (const std::exception& e) {
        result.outcome = Outcome::failed(Refusal::ExecutionError, e.what());
      }
    }
    if (kind == CallKind::Command && result.answered) {
      const Outcome& o = result.outcome;
      m.last_command = LastCommand{o.refusal, o.code, o.st1, o.st2, o.why, !(result.lost && result.lost_zero)};
    }
    append_roll(folder, out.paper.lines());
    if (std::string text = memory_to_text(m); text != loaded.text) save_memory(folder, m);
    if (faults != faults_before) save_faults(folder, faults);
    return result;
  } catch (const std::exception& e) {
    return no_answer(e.what());
  }
}

}  // namespace zelto::ecfsim
