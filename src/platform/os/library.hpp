#pragma once
// A shared library loaded by its file name from a folder, its entries found
// by their exact names: the makers' printer libraries and the signing
// library are reached this way. The file name is found without regard to
// case, as on the shops' Windows machines ("BEMAFI32.DLL" finds
// "Bemafi32.dll").
//
// A library that does not load keeps a small error number, as the old
// loader's handles did (2: the file is not in the folder; 11: the file is
// there but is no library this system can load), and the loader's own text.

#include <filesystem>
#include <string>
#include <string_view>

namespace zelto::os {

class Library {
 public:
  static constexpr int kFileNotFound = 2;
  static constexpr int kNotLoadable = 11;

  // Nothing loaded, no error either.
  Library() = default;
  // Loads `name` from `folder`. Never throws for a file that is missing or
  // does not load: loaded() is false and error_code() says why.
  static Library load(const std::filesystem::path& folder, std::string_view name);

  ~Library();
  Library(Library&& other) noexcept;
  Library& operator=(Library&& other) noexcept;
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  const std::string& name() const { return name_; }          // as asked for
  const std::filesystem::path& path() const { return path_; }  // the file found, when found
  int error_code() const { return error_code_; }             // 0 when loaded
  const std::string& error_text() const { return error_text_; }

  // The entry of exactly that name, or nullptr (also when not loaded).
  void* entry(std::string_view entry_name) const;

  // Frees the library; loaded() is false afterwards.
  void release();

 private:
  void* handle_ = nullptr;
  std::string name_;
  std::filesystem::path path_;
  int error_code_ = 0;
  std::string error_text_;
};

}  // namespace zelto::os
