// ecfsim: the emulated fiscal printer for people and tests — install a
// fresh printer, look at its fiscal memory and paper roll, make it
// misbehave, set its clock, copy its libraries into a data folder.

#include <iostream>

#include "ecf/tool/commands.hpp"

using namespace zelto::ecfsim::tool;

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::filesystem::path folder = ".";
  try {
    if (words.size() >= 2 && (words[0] == "-C" || words[0] == "--dir")) {
      folder = words[1];
      words.erase(words.begin(), words.begin() + 2);
    }
    if (words.empty()) throw UsageError("no command given");
    std::string command = words[0];
    Args a(std::vector<std::string>(words.begin() + 1, words.end()));
    if (command == "help" || command == "--help" || command == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (command == "init") init(folder, a, std::cout);
    else if (command == "show") show(folder, a, std::cout);
    else if (command == "roll") roll(folder, a, std::cout);
    else if (command == "fault") fault(folder, a, std::cout);
    else if (command == "clock") clock(folder, a, std::cout);
    else if (command == "libs") libs(folder, a, std::cout);
    else throw UsageError("unknown command \"" + command + "\"");
    return 0;
  } catch (const UsageError& e) {
    std::cerr << "ecfsim: " << e.what() << " (ecfsim help shows the commands)\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "ecfsim: " << e.what() << "\n";
    return 1;
  }
}
