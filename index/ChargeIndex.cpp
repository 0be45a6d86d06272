#include "index/ChargeIndex.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {
// The NUL-terminated string at `position`, or nothing when no NUL follows
// within the block. Moves `position` past the NUL.
std::optional<std::string> LireChaine(const unsigned char* octets, std::size_t taille,
                                      std::size_t& position) {
    if (position >= taille) return std::nullopt;
    const void* fin = std::memchr(octets + position, 0, taille - position);
    if (fin == nullptr) return std::nullopt;
    const std::size_t longueur = static_cast<const unsigned char*>(fin) - (octets + position);
    std::string chaine(reinterpret_cast<const char*>(octets + position), longueur);
    position += longueur + 1;
    return chaine;
}

bool OctetsInferieurs(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}
}  // namespace

bool AnalyserChargeIndex(const unsigned char* octets, std::size_t taille, ContenuIndex& contenu) {
    ContenuIndex lu;
    std::size_t position = 0;
    while (position < taille && octets[position] != 0) {
        auto cle = LireChaine(octets, taille, position);
        if (!cle) return false;
        // The lookup is a binary search over the stored order: keys out of
        // order (or repeated) would load and then not be found.
        if (!lu.cles.empty() && !OctetsInferieurs(lu.cles.back(), *cle)) return false;
        std::vector<std::string> mots;
        for (;;) {
            auto mot = LireChaine(octets, taille, position);
            if (!mot) return false;
            if (mot->empty()) break;
            mots.push_back(std::move(*mot));
        }
        lu.cles.push_back(std::move(*cle));
        lu.listes.push_back(std::move(mots));
    }
    // The loop also ends when the block runs out right after a record; the
    // empty key must be there for the payload to be whole.
    if (taille > 0 && position >= taille) return false;
    contenu = std::move(lu);
    return true;
}

std::vector<unsigned char> EcrireChargeIndex(
    const std::map<std::string, std::vector<std::string>>& index) {
    std::vector<const std::pair<const std::string, std::vector<std::string>>*> enregistrements;
    for (const auto& paire : index)
        if (!paire.first.empty()) enregistrements.push_back(&paire);
    std::sort(enregistrements.begin(), enregistrements.end(),
              [](const auto* a, const auto* b) { return OctetsInferieurs(a->first, b->first); });
    std::vector<unsigned char> charge;
    auto ajouter = [&charge](const std::string& chaine) {
        charge.insert(charge.end(), chaine.begin(), chaine.end());
        charge.push_back(0);
    };
    for (const auto* paire : enregistrements) {
        ajouter(paire->first);
        for (const std::string& mot : paire->second)
            if (!mot.empty()) ajouter(mot);
        charge.push_back(0);
    }
    charge.push_back(0);
    return charge;
}
