#pragma once
// The byte layout of a key index resource, once deciphered and inflated:
//   key NUL word NUL word NUL ... NUL   (one record; an empty word closes it)
//   ...
//   NUL                                 (an empty key ends the payload)
// No counts, no lengths: the end is found only through the empty key.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

struct ContenuIndex {
    std::vector<std::string> cles;
    std::vector<std::vector<std::string>> listes;  // listes[i] holds the words of cles[i]
};

// Reads records until the empty key. Never reads past `taille`: a payload that
// ends before its closing NULs is rejected (false) rather than half-loaded,
// since a cut block means the resource is damaged. An empty block, or one
// whose first byte is NUL, is a valid empty index. Keys must come in strictly
// ascending byte order, each once: a payload that breaks the order is
// rejected too, since the lookup relies on it.
bool AnalyserChargeIndex(const unsigned char* octets, std::size_t taille, ContenuIndex& contenu);

// The writer, for the data builder and fixtures. std::map orders keys as
// signed chars, so the writer sorts them again by unsigned bytes. Empty keys
// and empty words cannot be represented and are left out.
std::vector<unsigned char> EcrireChargeIndex(const std::map<std::string, std::vector<std::string>>& index);
