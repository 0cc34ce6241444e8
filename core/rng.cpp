#include "core/rng.h"

#include <deque>
#include <random>

namespace {
std::mt19937 generator(1);
std::deque<int> fed;
}

int R(int n)
{
    if (!fed.empty()) {
        int v = fed.front();
        fed.pop_front();
        return n > 0 ? v % n : 0;
    }
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generator);
}

void seedRandom(uint32_t seed) { generator.seed(seed); }

void feedDraws(std::initializer_list<int> draws) { fed.insert(fed.end(), draws); }

int pendingDraws() { return int(fed.size()); }
