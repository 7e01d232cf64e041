#pragma once

#include <cstddef>

namespace kvf {

// The first of the `size` bytes at `data` that equals `byte` (taken as an unsigned char), or
// null: what memchr does, eight bytes at a time and never reading past the last byte.
// The WebAssembly build's memchr is this (its C library's tests four bytes at a time after
// a walk to an aligned address, which costs more than the search on lines this short).
const void* FindByte(const void* data, int byte, std::size_t size) noexcept;

} // namespace kvf
