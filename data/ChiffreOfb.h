#pragma once
// AES-128 in OFB mode, the cipher of every payload. With the processor's AES
// instructions when it has them: a lookup then never sets libcrypto up, which
// costs more than the lookup itself; otherwise through libcrypto's EVP
// interface. Both give the same bytes. OFB is its own inverse: the same call
// enciphers and deciphers, and the output is as long as the input.
#include <cstddef>

inline constexpr std::size_t TAILLE_CLE_AES = 16;
inline constexpr std::size_t TAILLE_IV_AES = 16;

// `sortie` holds `taille` bytes (it may be `entree`). False when the cipher
// could not run or `taille` is 0.
bool AppliquerOfb(const unsigned char* cle, const unsigned char* iv, const unsigned char* entree,
                  std::size_t taille, unsigned char* sortie);
// The same through libcrypto whatever the processor (tests compare the two).
bool AppliquerOfbBibliotheque(const unsigned char* cle, const unsigned char* iv, const unsigned char* entree,
                              std::size_t taille, unsigned char* sortie);
// Whether AppliquerOfb takes the processor's instructions.
bool OfbParProcesseur();
