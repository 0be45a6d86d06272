#pragma once
// Test fixtures registered as embedded resources at run time, so that the
// code under test goes through the real pipeline (decipher, inflate).
#include <deque>
#include <string>
#include <vector>

#include "platform/RessourcesEmbarquees.h"

// Registers `octets` under `nom` for the rest of the process. The first
// registration of a name wins, so each test uses its own names.
inline void EnregistrerRessourceEssai(const char* nom, std::vector<unsigned char> octets) {
    static std::deque<std::vector<unsigned char>> gardes;
    static std::deque<std::string> noms;
    gardes.push_back(std::move(octets));
    gardes.back().push_back(0);  // like the linked blobs, one NUL after the bytes
    noms.emplace_back(nom);
    const RessourceEmbarquee ressource{noms.back().c_str(), gardes.back().data(),
                                       gardes.back().data() + gardes.back().size() - 1};
    EnregistrerRessources(&ressource, 1);
}

inline std::vector<unsigned char> Octets(const std::string& texte) {
    return std::vector<unsigned char>(texte.begin(), texte.end());
}
