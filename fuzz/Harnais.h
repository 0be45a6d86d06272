#pragma once
// What every harness shares: the libFuzzer entry point each one defines, the
// check that turns a broken property into a crash the fuzzer records, and the
// scratch files for the readers that only take a path.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille);

// Not assert: the property must hold in Release builds too.
#define EXIGER(condition)                                                                      \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: propriete violee : %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

inline std::string_view VueOctets(const std::uint8_t* octets, std::size_t taille) {
    return std::string_view(reinterpret_cast<const char*>(octets), taille);
}

// The input cut at its first 0x00 into the two texts of a two-file reader;
// without a 0x00 the second text is empty.
inline std::pair<std::string_view, std::string_view> CouperAuZero(std::string_view texte) {
    const std::size_t zero = texte.find('\0');
    if (zero == std::string_view::npos) return {texte, std::string_view()};
    return {texte.substr(0, zero), texte.substr(zero + 1)};
}

// A file of this process in the temporary folder, rewritten for each input.
std::string FichierBrouillon(const char* nom, std::string_view contenu);
