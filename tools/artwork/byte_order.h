// Little-endian fields of the BMP and ICO formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

inline void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
