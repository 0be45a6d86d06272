#pragma once
// The transforms from which the approximate search composes its match keys.
// Each works in place on NUL-terminated Windows-1252 text and never lengthens
// it; the owned-string forms return the transformed copy.
#include <cstddef>
#include <functional>
#include <set>
#include <string>

extern const char TableConsonnes[];         // 19 bytes
extern const char TableClassesConsonnes[];  // 19 bytes, the class of each consonant

// Three-byte word beginnings and endings, unaccented lower case.
using EnsembleTrigrammes = std::set<std::string, std::less<>>;
const EnsembleTrigrammes& PrefixesFrequents();  // 250 members
const EnsembleTrigrammes& SuffixesFrequents();  // 151 members

void SansDoublons(char* s);
std::string SansDoublons(const std::string& s);
void SansLettresFrequentes(char* s);
std::string SansLettresFrequentes(const std::string& s);
void SansVoyelles(char* s);
std::string SansVoyelles(const std::string& s);
void ClassesConsonnes(char* s);
std::string ClassesConsonnes(const std::string& s);
void SansFinale(char* s);
std::string SansFinale(const std::string& s);
void SansPrefixeFrequent(char* s);
std::string SansPrefixeFrequent(const std::string& s);
void SansSuffixeFrequent(char* s);
std::string SansSuffixeFrequent(const std::string& s);
void TransformationNeutre(char* s);
std::string TransformationNeutre(const std::string& s);

// The first n - 1 bytes of s, n being the size of a buffer that holds its
// terminator; a shorter s whole, and "" when n is 0 or 1.
std::string PremiersCaracteres(const std::string& s, std::size_t n);
