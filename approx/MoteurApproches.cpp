#include "approx/MoteurApproches.h"

#include <algorithm>
#include <map>
#include <set>

#include "approx/DistancesMots.h"
#include "approx/MateriauCles.h"
#include "approx/TypesCles.h"

namespace {
struct OrdreOctets {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
    }
};

struct EtatIndex {
    // Filled only through the resource path; the database side stays unused.
    IndexeurSecDB index;
    bool charge = false;
};

EtatIndex& Etat(int type) {
    static EtatIndex etats[NOMBRE_TYPES_CLES];
    return etats[type];
}

bool TypeValide(int type) { return type >= 0 && type < NOMBRE_TYPES_CLES; }
}  // namespace

std::recursive_mutex& VerrouApproches() {
    static std::recursive_mutex verrou;
    return verrou;
}

void AssurerIndex(int type) {
    if (!TypeValide(type)) return;
    std::lock_guard<std::recursive_mutex> garde(VerrouApproches());
    EtatIndex& etat = Etat(type);
    if (etat.charge) return;
    const TypeCle& ligne = TableTypesCles[type];
    etat.charge = etat.index.ChargeRessource(ligne.ressource, true, true,
                                             CleIndexApproches(ligne.chaine), ligne.chaine);
}

bool IndexCharge(int type) {
    if (!TypeValide(type)) return false;
    std::lock_guard<std::recursive_mutex> garde(VerrouApproches());
    return Etat(type).charge;
}

IndexeurSecDB& IndexApproches(int type) { return Etat(TypeValide(type) ? type : 0).index; }

std::vector<std::string> MoteurApproches::CollecterCandidats(const std::string& mot, int filtre) const {
    std::lock_guard<std::recursive_mutex> garde(VerrouApproches());
    std::vector<std::string> candidats;
    for (int type = 0; TableTypesCles[type].fonction != nullptr; ++type) {
        const TypeCle& ligne = TableTypesCles[type];
        if ((filtre >= 0 && filtre != type) || !ligne.actif) continue;
        AssurerIndex(type);
        if (!IndexCharge(type)) continue;
        const std::string cle = ligne.fonction(mot);
        if (cle.size() < LONGUEUR_MIN_CLE) continue;
        const std::vector<std::string> mots = Etat(type).index.GetValeurs(cle);
        candidats.insert(candidats.end(), mots.begin(), mots.end());
    }
    return candidats;
}

std::vector<MotApproche> MoteurApproches::ClasserAvecDistances(
    const std::string& mot, const std::vector<std::string>& candidats) const {
    std::map<int, std::set<std::string, OrdreOctets>> groupes;
    for (const std::string& candidat : candidats) {
        const int d = DistanceMots(lexique_ != nullptr, mot, candidat);
        if (d > SEUIL_DISTANCE) continue;
        groupes[d].insert(candidat);
    }
    std::vector<MotApproche> resultat;
    for (const auto& [distance, mots] : groupes) {
        for (const std::string& m : mots) resultat.push_back({m, distance});
        if (resultat.size() >= RESULTATS_MIN) break;
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
