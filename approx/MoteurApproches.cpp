#include "approx/MoteurApproches.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <unordered_set>

#include "approx/DistancesMots.h"
#include "approx/FrequencesMots.h"
#include "approx/MateriauCles.h"
#include "approx/RangApproches.h"
#include "approx/TypesCles.h"

namespace {
bool OctetsInferieurs(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

// One distinct candidate, measured: ordered by rank, then distance, then
// the commoner first, then byte order.
struct Classe {
    int rang;
    int distance;
    std::uint32_t figure;
    const std::string* mot;

    bool operator<(const Classe& autre) const {
        if (rang != autre.rang) return rang < autre.rang;
        if (distance != autre.distance) return distance < autre.distance;
        if (figure != autre.figure) return figure > autre.figure;
        return OctetsInferieurs(*mot, *autre.mot);
    }
};

}  // namespace

std::recursive_mutex& VerrouApproches() { return DonneesApproches::ParDefaut().Verrou(); }

void AssurerIndex(int type) { DonneesApproches::ParDefaut().AssurerIndex(type); }

bool IndexCharge(int type) { return DonneesApproches::ParDefaut().IndexCharge(type); }

Indexeur& IndexApproches(int type) { return DonneesApproches::ParDefaut().Index(type); }

std::vector<std::string> MoteurApproches::CollecterCandidats(const std::string& mot, int filtre) const {
    std::lock_guard<std::recursive_mutex> garde(donnees_->Verrou());
    donnees_->AssurerFrequences();
    std::vector<std::string> candidats;
    for (int type = 0; TableTypesCles[type].fonction != nullptr; ++type) {
        const TypeCle& ligne = TableTypesCles[type];
        if ((filtre >= 0 && filtre != type) || !ligne.actif) continue;
        donnees_->AssurerIndex(type);
        if (!donnees_->IndexCharge(type)) continue;
        const std::string cle = CleSelon(ligne, mot, *donnees_);
        if (cle.size() < LONGUEUR_MIN_CLE) continue;
        const std::vector<std::string> mots = donnees_->Index(type).GetValeurs(cle);
        candidats.insert(candidats.end(), mots.begin(), mots.end());
    }
    return candidats;
}

// Without a lexicon there is no ranking: every candidate is at distance 0
// and rank 0, in byte order.
std::vector<MotApproche> MoteurApproches::ClasserAvecDistances(
    const std::string& mot, const std::vector<std::string>& candidats) const {
    std::lock_guard<std::recursive_mutex> garde(donnees_->Verrou());
    const bool classer = lexique_ != nullptr;
    if (classer) donnees_->AssurerFrequences();
    const FrequencesMots& frequences = donnees_->Frequences();
    std::unordered_set<std::string> vus;
    std::vector<Classe> classes;
    for (const std::string& candidat : candidats) {
        const auto [place, nouveau] = vus.insert(candidat);
        if (!nouveau) continue;
        const int d = DistanceMotsJusqua(*donnees_, classer, mot, candidat, SEUIL_DISTANCE);
        if (d > SEUIL_DISTANCE) continue;
        const std::uint32_t figure = classer ? frequences.Figure(candidat) : 0;
        classes.push_back({classer ? RangCandidat(mot, candidat, d, figure) : 0, d, figure, &*place});
    }
    std::sort(classes.begin(), classes.end());
    // Rank groups are taken whole until the result holds RESULTATS_MIN words.
    std::vector<MotApproche> resultat;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (resultat.size() >= RESULTATS_MIN && classes[i].rang != classes[i - 1].rang) break;
        resultat.push_back({*classes[i].mot, classes[i].distance});
    }
    return resultat;
}

std::vector<std::string> MoteurApproches::ClasserCandidats(
    const std::string& mot, const std::vector<std::string>& candidats) const {
    std::vector<std::string> mots;
    for (MotApproche& m : ClasserAvecDistances(mot, candidats)) mots.push_back(std::move(m.mot));
    return mots;
}

std::vector<MotApproche> MoteurApproches::RechercherApprochesAvecDistances(const std::string& mot,
                                                                          int filtre) const {
    std::vector<MotApproche> resultat = ClasserAvecDistances(mot, CollecterCandidats(mot, filtre));
    if (resultat.size() > RESULTATS_MAX) resultat.resize(RESULTATS_MAX);
    return resultat;
}

std::vector<std::string> MoteurApproches::RechercherApproches(const std::string& mot, int filtre) const {
    std::vector<std::string> mots;
    for (MotApproche& m : RechercherApprochesAvecDistances(mot, filtre)) mots.push_back(std::move(m.mot));
    return mots;
}
