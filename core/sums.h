// Sums of the game's numbers. Every number is 32-bit and a save may hold
// any such value, so a sum that a saved value feeds stops at the 32-bit
// limits instead of running round to the other end.
#pragma once
#include <algorithm>
#include <cstdint>

// The value held to the 32-bit range.
constexpr int32_t saturate(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
// v += by, stopping at the limits.
constexpr void addTo(int32_t& v, int64_t by) { v = saturate(v + by); }
