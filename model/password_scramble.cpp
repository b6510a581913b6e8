#include "model/password_scramble.h"

std::string ScrambleProtectedText(const std::string &bytes, uint8_t key)
{
    std::string result(bytes);
    for (char &byte : result)
        byte = static_cast<char>(~(static_cast<uint8_t>(byte) ^ key));
    return result;
}
