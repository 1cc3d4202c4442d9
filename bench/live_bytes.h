// Bytes currently allocated through operator new in this program; the
// benchmarks replace the global allocation functions to count them.
#pragma once

#include <cstddef>

namespace zelo::bench {

std::size_t LiveBytes();

}  // namespace zelo::bench
