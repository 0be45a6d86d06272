#pragma once
// A payload made of units, each compressed (zstd, with its checksum) and
// enciphered (AES-128-OFB) on its own, with a keystream of its own derived
// from its number, so that a reader deciphers and inflates only the units it
// needs, straight from the embedded bytes. Layout, integers little-endian:
//   "VCU1", uint32 unit count U, (U + 1) uint32 offsets from the start of the
//   payload (unit u spans [offset u, offset u + 1)), then the units.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The largest unit a reader inflates: a forged size cannot make it allocate more.
inline constexpr std::size_t TAILLE_UNITE_MAX = 64u << 20;

class ConteneurUnites {
public:
    // The bytes are borrowed and must outlive the object. False (and the
    // object left empty) when the layout is unsound: bad signature, offsets
    // out of order or beyond the end.
    bool Ouvrir(const unsigned char* octets, std::size_t taille);
    std::size_t NombreUnites() const { return nombre_; }
    // Unit `numero`'s stored bytes, as they lie (the benchmarks time each step).
    const unsigned char* OctetsUnite(std::size_t numero, std::size_t& taille) const;
    // Unit `numero` deciphered and inflated into `sortie`. False when it is
    // damaged: it does not decipher, does not inflate, fails its checksum or
    // is larger than TAILLE_UNITE_MAX.
    bool LireUnite(std::size_t numero, const std::string& cle, const char* iv,
                   std::vector<unsigned char>& sortie) const;

private:
    std::uint32_t Decalage(std::size_t numero) const;

    const unsigned char* octets_ = nullptr;
    std::size_t nombre_ = 0;
};

// The writer: each unit compressed at `niveau`, then enciphered with its
// number; the units are compressed on every core. Empty on failure (an empty
// unit, or a payload beyond 4 GB).
std::vector<unsigned char> EmballerUnites(const std::vector<std::vector<unsigned char>>& unites,
                                          const std::string& cle, const char* iv, int niveau);

// The compression level of the data builder: the units inflate as fast at any
// level, and this one costs the builder seconds, not minutes.
inline constexpr int NIVEAU_COMPRESSION_UNITES = 12;
