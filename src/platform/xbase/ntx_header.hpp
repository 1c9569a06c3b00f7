#pragma once
// The first page of an .ntx file: reading it with its checks, and writing it.

#include <cstdint>
#include <string>

#include "platform/xbase/ntx_index.hpp"
#include "platform/xbase/ntx_page.hpp"

namespace zelto::xbase::ntx {

inline constexpr size_t kHeaderBytes = 538;  // through the FOR condition

// Throws Error(Damaged) naming `file` when the bytes cannot be an index
// header or its root page lies outside a file of `file_size` bytes.
NtxHeader decode_header(const unsigned char* bytes, const std::string& file, uint64_t file_size);
void encode_header(const NtxHeader& h, unsigned char* bytes);  // kHeaderBytes bytes

Geometry geometry(const NtxHeader& h);

}  // namespace zelto::xbase::ntx
