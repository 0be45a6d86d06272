#pragma once
// The approximate-word search: gather the dictionary words that share a key
// with the typed word, in every enabled key kind, then rank them by distance.
#include <string>
#include <utility>
#include <vector>

#include "approx/DonneesApproches.h"
#include "approx/LexiqueApproches.h"

inline constexpr int SEUIL_DISTANCE = 35;
inline constexpr std::size_t RESULTATS_MIN = 10;
inline constexpr std::size_t RESULTATS_MAX = 100;
inline constexpr std::size_t LONGUEUR_MIN_CLE = 2;

struct MotApproche {
    std::string mot;
    int distance;
};

class MoteurApproches {
public:
    // Neither the lexicon nor the data is owned; a null lexicon turns the
    // distance ranking off. The data's lock is held for a whole search.
    MoteurApproches(const LexiqueApproches* lexique, DonneesApproches& donnees)
        : lexique_(lexique), donnees_(&donnees) {}
    // On the default search data.
    explicit MoteurApproches(const LexiqueApproches* lexique)
        : MoteurApproches(lexique, DonneesApproches::ParDefaut()) {}

    // At most 100 distinct words, best first. `filtre` -1: every enabled
    // kind; 0..11: that kind only (nothing when it is disabled).
    std::vector<std::string> RechercherApproches(const std::string& mot, int filtre = -1) const;
    // The same, with each word's distance (for the tuning tool).
    std::vector<MotApproche> RechercherApprochesAvecDistances(const std::string& mot,
                                                              int filtre = -1) const;

    // Every word stored under one of the word's keys, duplicates kept, in
    // kind order then stored order.
    std::vector<std::string> CollecterCandidats(const std::string& mot, int filtre) const;
    std::vector<std::string> ClasserCandidats(const std::string& mot,
                                              const std::vector<std::string>& candidats) const;
    std::vector<MotApproche> ClasserAvecDistances(const std::string& mot,
                                                  const std::vector<std::string>& candidats) const;

private:
    const LexiqueApproches* lexique_;
    DonneesApproches* donnees_;
};

// The default search data's lock and key indexes (DonneesApproches::ParDefaut()).
std::recursive_mutex& VerrouApproches();
// Loads kind `type`'s index unless it is loaded; a failed load is retried next time.
void AssurerIndex(int type);
bool IndexCharge(int type);
Indexeur& IndexApproches(int type);
