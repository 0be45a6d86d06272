#include "tools/donnees/OrdreFormes.h"

#include <algorithm>
#include <iterator>

#include "tools/donnees/Flexions.h"

namespace {

std::size_t RangPrioritaire(const std::string& vedette) {
    const auto trouve = std::find(std::begin(VerbesPrioritaires), std::end(VerbesPrioritaires), vedette);
    return static_cast<std::size_t>(std::distance(std::begin(VerbesPrioritaires), trouve));
}

float PoidsTemps(const std::string& temps) {
    static const std::map<std::string, float> poids = {
        {"infi", 1.0f}, {"ipre", 1.0f}, {"ppas", 0.8f}, {"iimp", 0.4f}, {"ppre", 0.3f}, {"ipsi", 0.3f},
        {"ifut", 0.15f}, {"cond", 0.15f}, {"spre", 0.1f}, {"impe", 0.1f}, {"simp", 0.01f}};
    const auto trouve = poids.find(temps);
    return trouve == poids.end() ? 0.1f : trouve->second;
}

float PoidsPersonne(const std::string& personne) {
    static const std::map<std::string, float> poids = {{"3sg", 1.0f},  {"3pl", 0.5f},  {"1sg", 0.3f},
                                                       {"1pl", 0.15f}, {"2pl", 0.15f}, {"2sg", 0.05f}};
    const auto trouve = poids.find(personne);
    return trouve == poids.end() ? 1.0f : trouve->second;
}

}  // namespace

float PoidsLecture(const std::string& categorie, const FormeFlechie& forme) {
    if (categorie != "VERBE" || forme.temps.empty()) return forme.singulier ? 1.0f : 0.6f;
    float meilleur = 0;
    for (const std::string& temps : forme.temps) {
        float personne = forme.personnes.empty() ? 1.0f : 0;
        for (const std::string& p : forme.personnes) personne = std::max(personne, PoidsPersonne(p));
        meilleur = std::max(meilleur, PoidsTemps(temps) * personne);
    }
    return meilleur;
}

void OrdonnerIndexFlexions(std::map<std::string, std::vector<std::string>>& index,
                           const std::unordered_map<std::string, std::uint32_t>& frequences,
                           const std::set<std::string>& fixes, const PoidsLectures& poids) {
    for (auto& [forme, vedettes] : index) {
        if (vedettes.size() < 2 || fixes.count(forme)) continue;
        const auto poidsForme = poids.find(forme);
        const auto score = [&](const std::string& vedette) {
            const auto trouve = frequences.find(vedette);
            double valeur = trouve == frequences.end() ? 0 : trouve->second;
            if (poidsForme != poids.end()) {
                const auto lecture = poidsForme->second.find(vedette);
                if (lecture != poidsForme->second.end()) valeur *= lecture->second;
            }
            return valeur;
        };
        std::stable_sort(vedettes.begin(), vedettes.end(), [&](const std::string& a, const std::string& b) {
            const std::size_t rangA = RangPrioritaire(a), rangB = RangPrioritaire(b);
            if (rangA != rangB) return rangA < rangB;
            return score(a) > score(b);
        });
    }
}
