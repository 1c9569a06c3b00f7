#pragma once
// How a printer command reaches its maker's library: the library loaded for
// the run (XDLL), or a file loaded for one call and freed after it; an entry
// found by its exact name and called with the platform's C convention.
//
// Texts go in as the address of the program's text; output arguments are
// the program's own buffers, filled with blanks (or a preset) to the width
// the entry answers in, with a terminator and spare bytes after them, so an
// entry writes its answer in place and never past what it was given.
// Integers and logicals go in as 32-bit integers (logical: 1 or 0).

#include <cstddef>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/context.hpp"
#include "platform/os/library.hpp"

namespace zelto::ecf {

using core::Text;

// The library of the make, loaded once for the run (the system's XDLL).
struct PrinterLibrary {
  os::Library library;
};

// Loads the library of the make VIMP_FIS from the data folder into the
// run's services, replacing any loaded before. A make without a library
// ("AC") leaves none. A library that does not load is kept with its error,
// which every later call shows; the loader's text goes to error.log.
void load_printer_library(core::Ctx& ctx);

// An output argument.
class Out {
 public:
  static constexpr std::size_t kSpare = 16;
  explicit Out(std::size_t width, char fill = ' ');
  // Preset to this text ("000000"), its width the text's.
  explicit Out(const Text& preset);

  char* data() { return bytes_.data(); }
  std::size_t width() const { return width_; }
  // The buffer's characters after the call, exactly its width.
  Text text() const { return Text(bytes_.data(), width_); }
  // A flags or status byte: the value of the first character.
  int byte() const { return static_cast<unsigned char>(bytes_[0]); }
  // True while nothing was written after the width.
  bool intact() const;

 private:
  std::size_t width_;
  std::vector<char> bytes_;
};

// A logical argument.
struct Logical {
  bool value;
};

// Where an entry is reached.
struct Via {
  // Empty: the library loaded for the run; otherwise the file loaded for
  // this call alone (the system names several forms of one file, found
  // without regard to case).
  std::string_view file;
};
inline constexpr Via kRunLibrary{};
inline Via by_file(std::string_view file) { return Via{file}; }

namespace detail {

inline const char* pass(const Text& t) { return t.c_str(); }
inline const char* pass(const char* t) { return t; }
inline char* pass(Out& o) { return o.data(); }
inline int pass(int n) { return n; }
inline int pass(Logical l) { return l.value ? 1 : 0; }
// Numbers and dates are formatted by the command before they go in, and a
// logical goes as Logical: nothing else reaches an entry.
void pass(bool) = delete;
void pass(const runtime::Decimal&) = delete;
void pass(const runtime::Date&) = delete;

template <class A>
using passed_t = decltype(pass(std::declval<A&>()));

inline bool within(const Out& o) { return o.intact(); }
template <class A>
bool within(const A&) {
  return true;
}

// Tells the operator that an entry answered past the room it was given.
void report_overrun(core::Ctx& ctx, std::string_view entry);

// The entry found, with the library loaded for this call when there is
// one; frees it when done.
class EntryHandle {
 public:
  // Shows the alert of a library that is not loaded, or the message of a
  // missing entry, and is then empty.
  EntryHandle(core::Ctx& ctx, Via via, std::string_view entry);
  explicit operator bool() const { return address_ != nullptr; }
  void* address() const { return address_; }

 private:
  std::optional<os::Library> own_;
  void* address_ = nullptr;
};

}  // namespace detail

// Calls `entry` with `args`; its integer, or nothing when the library or
// the entry could not be reached (the operator has been told why).
template <class... A>
std::optional<int> call(core::Ctx& ctx, Via via, std::string_view entry, A&&... args) {
  detail::EntryHandle handle(ctx, via, entry);
  if (!handle) return std::nullopt;
  using Fn = int(detail::passed_t<A>...);
  auto* fn = reinterpret_cast<Fn*>(handle.address());
  const int code = fn(detail::pass(args)...);
  // An answer longer than its buffer is no answer to trust.
  if (!(detail::within(args) && ...)) {
    detail::report_overrun(ctx, entry);
    return std::nullopt;
  }
  return code;
}

}  // namespace zelto::ecf
