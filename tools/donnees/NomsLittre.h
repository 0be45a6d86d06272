#pragma once
// The headword of each Littré entry. The StarDict index lists every entry
// under several names ("FRÉMISSANT, ANTE", "FRÉMISSANT", "FREMISSANT",
// "EXTASIER (S')", "S'EXTASIER", "FIER.1"...), and a few names point to the
// wrong entry; the article file keeps the Littré's own order, which tells
// which name is the entry's. Windows-1252.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/donnees/LecteurStarDict.h"

struct NomIndexLittre {
    std::string base;         // "FRÉMISSANT", "EXTASIER"
    std::string finFeminin;   // "ANTE", "" when none
    std::string parenthese;   // "S'", "À L'", "" when none
    std::string cle;          // CleOrdreLittre of the base
};

NomIndexLittre AnalyserNomIndex(const std::string& nom);

// "FRÉMISSANT" + "ANTE" -> "frémissante"; "CHAT" + "CHATTE" -> "chatte".
std::string FemininDe(const std::string& masculin, const std::string& finFeminin);

struct EntreeLittre {
    std::string mot;      // lower case, accents kept: "frémissant"
    std::string feminin;  // "frémissante" or ""
    std::string forme;    // "s'extasier", "à boucheton" or ""
    std::uint32_t decalage = 0;
    std::uint32_t taille = 0;
};

// One entry per distinct article of the file, in file order.
std::vector<EntreeLittre> EntreesLittre(const std::vector<EntreeStarDict>& index);

// An index name whose article belongs to another word: the edition lost
// that word's own article ("BL\xC2ME" points at "ornithogale"). One per lost
// word, under its spelling with the most accents.
struct NomPerdu {
    std::string mot;      // lower case: "bl\xE2me"
    std::string article;  // the headword of the article it points at: "ornithogale"
};

struct NomsPerdusLittre {
    std::vector<NomPerdu> mots;  // in the order of the articles they point at
    std::size_t noms = 0;        // index names, every spelling of a lost word counted
};

// A name is the entry's own, or another spelling of it, when it fits the
// file order between the neighbouring entries or is close to a name that
// does ("AGASSE" beside "AGACE", "S'\xC9" "CRIER" beside "\xC9" "CRIER"); the others are lost.
NomsPerdusLittre NomsPerdus(const std::vector<EntreeStarDict>& index);
