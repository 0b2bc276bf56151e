#include "host/random_source.h"

#include <random>

namespace {

std::minstd_rand& Generator() {
    static std::minstd_rand generator;
    return generator;
}

}  // namespace

void SeedRandom(std::uint32_t seed) { Generator().seed(seed); }

char RandomLowercaseLetter() {
    std::uniform_int_distribution<int> letter(0, 25);
    return static_cast<char>('a' + letter(Generator()));
}
