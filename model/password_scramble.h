// The two protected texts of the data file are stored byte by byte as NOT(b XOR key); the
// operation is its own inverse, so one function scrambles and unscrambles.
#pragma once

#include <cstdint>
#include <string>

const uint8_t kFirstProtectedKey = 0x5B;
const uint8_t kPasswordKey = 0x37;

std::string ScrambleProtectedText(const std::string &bytes, uint8_t key);
