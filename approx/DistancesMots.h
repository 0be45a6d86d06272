#pragma once
// How far a candidate word is from the typed word: the smaller of a
// positional spelling distance and a sound-plus-subsequence distance.
// 0 means identical or as close as the measures can tell. The measures of
// words see a ligature as its two letters ("oeuf" and "\x9Cuf" are at 0);
// DistanceSousSuite and SousSuiteCommune compare any bytes as they stand,
// transcriptions included.
#include <cstddef>
#include <map>
#include <string>

class DonneesApproches;

inline constexpr int DISTANCE_PLAFOND = 10000;
// SousSuiteCommune walks two fixed arrays of 100 positions: it reads at most
// this many bytes of each string, and ignores the rest.
inline constexpr std::size_t LONGUEUR_MAX_SOUS_SUITE = 98;
// A transcription is kept in a 100-byte buffer: at most 99 codes.
inline constexpr std::size_t CODES_MAX_TRANSCRIPTION = 99;

int DistanceMots(bool lexiquePresent, const std::string& q, const std::string& c);
// The same where only distances up to `plafond` matter: above it, the value
// is some distance above `plafond`, found without transcribing when it can be.
int DistanceMotsJusqua(bool lexiquePresent, const std::string& q, const std::string& c, int plafond);
// The same with the rules and the phonetic cache of `donnees`; the calls
// without it use the default search data (DonneesApproches::ParDefaut()).
int DistanceMotsJusqua(DonneesApproches& donnees, bool lexiquePresent, const std::string& q,
                       const std::string& c, int plafond);
int DistancePositionnelle(const std::string& a, const std::string& b);
int CoutPosition(char x, char y);
int CoutSubstitution(char x, char y);
// Greedy, not an exact longest common subsequence; walks A first.
int SousSuiteCommune(const std::string& a, const std::string& b);
int DistanceSousSuite(const std::string& a, const std::string& b);
int DistanceSousSuitePonderee(const std::string& a, const std::string& b);
int DistancePhonetique(const std::string& q, const std::string& c);
int DistancePhonetique(DonneesApproches& donnees, const std::string& q, const std::string& c);

// Phonetic distances per unordered word pair. A search ranks at most a few
// thousand candidates, so this many pairs keep hundreds of searches cheap to
// repeat, in a few megabytes; when full it is emptied and fills again, rather
// than grow with every word typed in a long session.
inline constexpr std::size_t PAIRES_MAX_CACHE_PHONETIQUE = 50000;
// The default search data's cache.
std::map<std::string, int>& CachePhonetique();
std::string ClePaire(const std::string& x, const std::string& y);
