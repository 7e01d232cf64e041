#pragma once

#include <string>

namespace kvf::bench {

// A synthetic KVF file of about `lines` physical lines: a slave header, then modules with
// configuration bytes and module references, parameter definitions with data type lines
// and text lists, diagnosis texts and octet lists continued over lines, repeated.
std::string SyntheticKvf(int lines);

} // namespace kvf::bench
