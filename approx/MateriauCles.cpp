#include "approx/MateriauCles.h"

#include <array>

#include "data/Ressources.h"

namespace {
// Each sequence is copied into a local, NUL-terminated array on every call:
// DeriverCle reads up to the first 0x00, which none of these bytes is.
template <std::size_t N>
std::array<unsigned char, N + 1> Assembler(const std::array<unsigned char, N>& octets) {
    std::array<unsigned char, N + 1> sequence{};
    for (std::size_t i = 0; i < N; ++i) sequence[i] = octets[i];
    return sequence;
}

constexpr std::array<unsigned char, 15> SEQUENCE_CLE_REGLES = {
    0xEA, 0x67, 0xEB, 0xBA, 0x60, 0x0F, 0x80, 0x67, 0xBF, 0x58, 0xF9, 0x23, 0x0C, 0x86, 0x40};
constexpr std::array<unsigned char, 27> SEQUENCE_IV_REGLES = {
    0x8B, 0x1E, 0x4B, 0xC9, 0xF6, 0x3E, 0x44, 0x1C, 0x36, 0x2E, 0x79, 0x12, 0xB0, 0xF0,
    0x17, 0x22, 0xD5, 0x61, 0xB1, 0x22, 0xA4, 0x65, 0xA1, 0x40, 0x74, 0x68, 0x40};
constexpr std::array<unsigned char, 28> SEQUENCE_CLE_INDEX = {
    0xFB, 0x47, 0x85, 0x12, 0x76, 0xB9, 0x01, 0xD7, 0x02, 0xC4, 0x5D, 0x37, 0xB4, 0x2F,
    0x87, 0x16, 0xD3, 0xDD, 0xB1, 0xA2, 0x4C, 0xFB, 0xB4, 0x4B, 0xCF, 0xA6, 0xB7, 0x27};
}  // namespace

std::string CleRegles() {
    return DeriverCle(Assembler(SEQUENCE_CLE_REGLES).data(), "V0imLp");
}

std::string IvRegles() {
    return DeriverCle(Assembler(SEQUENCE_IV_REGLES).data(), "Aq3HO4");
}

std::string CleIndexApproches(const char* chaineType) {
    return DeriverCle(Assembler(SEQUENCE_CLE_INDEX).data(), chaineType);
}
