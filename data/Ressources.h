#pragma once
// The pipeline that turns an embedded resource into usable bytes:
// read, decipher (AES-128-OFB), inflate (zlib). Failures give an empty block.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data/BlocOctets.h"

inline constexpr std::uint32_t TAILLE_TAMPON_DECHIFFRE = 100000000;
inline constexpr std::uint32_t FACTEUR_INFLATION = 30;

BlocOctets LireRessource(const char* nom);
// The resource's bytes where they lie in the program, without a copy; false
// when it is missing. For payloads read in place, a part at a time.
bool LireRessourceEnPlace(const char* nom, const unsigned char*& octets, std::size_t& taille);
bool ExtraireRessource(const char* nom, const std::string& chemin);
// `iv` may be null (the default IV); it is read as a NUL-terminated string.
BlocOctets DechiffrerDonnees(const std::string& cle, const char* iv, const BlocOctets& entree);
BlocOctets ChargerDonnees(const char* nom, bool inflate, bool decipher, const std::string& cle,
                          const char* iv);
// The inflate step alone: zlib uncompress with a capacity of FACTEUR_INFLATION
// times the input size; no extra 0x00 after the result.
BlocOctets InflaterDonnees(const BlocOctets& entree);
// AES-128-OFB with the key and IV rules of DechiffrerDonnees, the IV field's
// bytes 12..15 xored with `numero` (little-endian): each unit of a payload
// made of units gets a keystream of its own from one key and one IV. OFB is
// its own inverse, so the same call enciphers and deciphers; `sortie` holds
// `taille` bytes. False when the cipher fails or `taille` exceeds
// TAILLE_TAMPON_DECHIFFRE.
bool AppliquerChiffreNumerote(const std::string& cle, const char* iv, std::uint32_t numero,
                              const unsigned char* entree, std::size_t taille, unsigned char* sortie);
// `constante` ends at its first 0x00; `court` is a non-empty C string.
std::string DeriverCle(const unsigned char* constante, const char* court);

// The pipeline run backwards, for the data builder and test fixtures:
// deflate (when `deflate`), then encipher (when `chiffrer`) with the same key rules.
// Empty on failure, and when enciphering more than TAILLE_TAMPON_DECHIFFRE bytes.
// Not checked here: ChargerDonnees inflates into FACTEUR_INFLATION times the
// deflated size, so a payload that compresses better than that cannot be read
// back through it (other readers have capacities of their own).
std::vector<unsigned char> EmballerDonnees(const std::vector<unsigned char>& charge, bool deflate,
                                           bool chiffrer, const std::string& cle, const char* iv);
