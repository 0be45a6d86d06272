#pragma once
// The twelve kinds of match key. Two words resemble each other in a kind when
// its key function maps them to the same key; the empty string means "no key".
// The index data are built with these very functions, so any change here
// means rebuilding the indexes.
#include <string>

class DonneesApproches;

using FonctionCle = std::string (*)(const std::string& mot);

// How a kind's key reads the word's sound: not at all, as the phonemes, or
// as the phonemes with close sounds merged.
enum class SonCle { Aucun, Phonemes, PhonemesFusionnes };

struct TypeCle {
    const char* nom;
    bool actif;
    const char* ressource;  // the kind's key index
    FonctionCle fonction;   // null in the end row
    const char* chaine;     // the kind's 6-character key material
    SonCle son = SonCle::Aucun;
};

inline constexpr int NOMBRE_TYPES_CLES = 12;
// Twelve rows, then an end row without key function.
extern const TypeCle TableTypesCles[NOMBRE_TYPES_CLES + 1];

// Kind `ligne`'s key of `mot`, the phonetic kinds transcribed with the
// rules of `donnees` (the key functions use the default search data's).
std::string CleSelon(const TypeCle& ligne, const std::string& mot, DonneesApproches& donnees);

std::string CleANA(const std::string& mot);
std::string CleCONS(const std::string& mot);
std::string ClePHON(const std::string& mot);
std::string ClePHON2(const std::string& mot);
std::string CleSIMP(const std::string& mot);
std::string CleTA(const std::string& mot);
std::string CleTM(const std::string& mot);
std::string CleDebut(const std::string& mot, std::size_t n);
std::string CleFin(const std::string& mot, std::size_t n);
std::string CleMilieu4(const std::string& mot);

// Close sounds merged: the vowels e/è/é/eu/œu to E, Z to S, open O to O, UIN to WIN.
std::string FusionPhonemes(const std::string& codes);
// "NAME-NAME-...-", or "" as soon as a byte is no phoneme code.
std::string NomsPhonemes(const std::string& codes);
