// Damaged copies of a good file, for tests that a reader survives any of them: every cut
// (every length when the file is small, evenly spread lengths otherwise) and a fixed number
// of seeded byte changes, so each run feeds the same copies.
#pragma once

#include <random>
#include <string>
#include <vector>

inline std::vector<std::string> DamagedCopies(const std::string &good, int changes = 300, size_t cuts = 400)
{
    std::vector<std::string> copies;
    const size_t step = good.size() > cuts ? good.size() / cuts : 1;
    for (size_t length = 0; length < good.size(); length += step)
        copies.push_back(good.substr(0, length));
    if (good.empty())
        return copies;
    std::mt19937 random(20261211);
    const unsigned char telling[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
    for (int change = 0; change < changes; ++change) {
        std::string copy = good;
        const size_t at = std::uniform_int_distribution<size_t>(0, good.size() - 1)(random);
        const int kind = change % 3;
        if (kind == 0)
            copy[at] = static_cast<char>(telling[std::uniform_int_distribution<int>(0, 4)(random)]);
        else if (kind == 1)
            copy[at] = static_cast<char>(copy[at] ^ (1 << std::uniform_int_distribution<int>(0, 7)(random)));
        else
            copy[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        copies.push_back(copy);
    }
    return copies;
}
