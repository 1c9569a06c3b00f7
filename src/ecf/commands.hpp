#pragma once
// The printer commands by name: each command's failure text and its
// generic operation.

#include <string_view>
#include <vector>

#include "core/context.hpp"
#include "ecf/answer.hpp"

namespace zelto::ecf {

enum class CommandKind {
  Action,  // the outcome is the answer
  Query,   // the outcome is also left in VRETORIMPRE
};

struct Command {
  std::string_view name;
  Text failure;  // Windows-1252, as shown
  CommandKind kind;
  Answer (*run)(core::Ctx&);
};

// Every command, in the order the system lists them.
const std::vector<Command>& commands();

// The command `upper_name` begins with, or nullptr. No command's name begins
// with another's, so at most one matches.
const Command* find_command(std::string_view upper_name);

}  // namespace zelto::ecf
