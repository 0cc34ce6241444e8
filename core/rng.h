// The one random source of the game. R(n) is 0..n-1, and 0 when n <= 0.
// Seeded from the clock at start-up; tests seed it or feed exact draws.
#pragma once
#include <cstdint>
#include <initializer_list>

int R(int n);
void seedRandom(uint32_t seed);
// Tests: the next draws return these values (each taken modulo n).
void feedDraws(std::initializer_list<int> draws);
// Tests: draws fed but not yet taken.
int pendingDraws();
