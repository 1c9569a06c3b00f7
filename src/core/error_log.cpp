#include "core/error_log.hpp"

#include <fstream>
#include <stdexcept>
#include <system_error>

#include "platform/os/file_lookup.hpp"
#include "platform/runtime/text.hpp"

namespace zelto::core {
namespace {

constexpr std::string_view kSystem = "SYSTEM";

// "system" in any case becomes "sistema": the line stays readable and no
// longer ends the takeover.
std::string without_system_word(std::string line) {
  for (;;) {
    const std::string up = runtime::upper(line);
    const auto at = up.find(kSystem);
    if (at == std::string::npos) return line;
    line.replace(at, kSystem.size(), "sistema");
  }
}

void write_whole(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  std::filesystem::path part = file;
  part += ".new";
  {
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + part.string());
    for (const auto& l : lines) out << l << "\r\n";
    out.flush();
    if (!out) throw std::runtime_error("cannot write " + part.string());
  }
  std::error_code ec;
  std::filesystem::rename(part, file, ec);
  if (ec) {
    std::filesystem::remove(part, ec);
    throw std::runtime_error("cannot replace " + file.string());
  }
}

}  // namespace

bool is_system_line(std::string_view line) {
  return runtime::upper(line).find(kSystem) != std::string::npos;
}

std::vector<std::string> read_error_log_lines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  if (in.bad()) throw std::runtime_error("cannot read " + file.string());
  return lines;
}

void add_to_error_log(const std::filesystem::path& folder, const std::vector<std::string>& description,
                      const std::string& system_line, const std::vector<std::string>& details) {
  const std::filesystem::path file = os::resolve(folder, kErrorLogFile);
  std::vector<std::string> lines;
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) lines = read_error_log_lines(file);

  std::vector<std::string> added;
  for (const auto& d : description) {
    // A description may hold line breaks of its own.
    std::size_t from = 0;
    for (;;) {
      const auto nl = d.find('\n', from);
      std::string part = d.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
      if (!part.empty() && part.back() == '\r') part.pop_back();
      added.push_back(without_system_word(std::move(part)));
      if (nl == std::string::npos) break;
      from = nl + 1;
    }
  }

  std::size_t system_at = 0;
  while (system_at < lines.size() && !is_system_line(lines[system_at])) ++system_at;
  const bool has_system_line = system_at < lines.size();
  lines.insert(lines.begin() + static_cast<long>(system_at), added.begin(), added.end());
  if (!has_system_line) {
    // The file is new, or not ours.
    lines.push_back(is_system_line(system_line) ? system_line : "SYSTEM " + system_line);
    lines.insert(lines.end(), details.begin(), details.end());
  }
  write_whole(file, lines);
}

}  // namespace zelto::core
