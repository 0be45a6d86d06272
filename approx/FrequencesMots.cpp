#include "approx/FrequencesMots.h"

#include <algorithm>
#include <charconv>

#include "approx/MateriauCles.h"
#include "approx/DonneesApproches.h"
#include "data/Ressources.h"
#include "index/ChargeIndex.h"

namespace {
bool OctetsInferieurs(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

bool LireFigure(const std::string& texte, std::uint32_t& figure) {
    const char* fin = texte.data() + texte.size();
    const auto [p, erreur] = std::from_chars(texte.data(), fin, figure);
    return erreur == std::errc() && p == fin && !texte.empty();
}

}  // namespace

bool FrequencesMots::ChargerCharge(const unsigned char* octets, std::size_t taille) {
    ContenuIndex contenu;
    if (!AnalyserChargeIndex(octets, taille, contenu)) return false;
    std::unordered_map<std::string, std::uint32_t> figures;
    for (std::size_t i = 0; i < contenu.cles.size(); ++i) {
        std::uint32_t figure = 0;
        if (!LireFigure(contenu.cles[i], figure)) return false;
        for (std::string& mot : contenu.listes[i]) figures[std::move(mot)] = figure;
    }
    figures_ = std::move(figures);
    return true;
}

bool FrequencesMots::ChargerRessource(const char* nom) {
    const BlocOctets charge =
        ChargerDonnees(nom, true, true, CleIndexApproches(CHAINE_FREQUENCES), CHAINE_FREQUENCES);
    return !charge.Vide() && ChargerCharge(charge.Donnees(), charge.Taille());
}

std::uint32_t FrequencesMots::Figure(const std::string& mot) const {
    const auto trouve = figures_.find(mot);
    return trouve == figures_.end() ? 0 : trouve->second;
}

std::map<std::string, std::vector<std::string>> ListesFrequences(
    const std::unordered_map<std::string, std::uint32_t>& figures) {
    std::map<std::string, std::vector<std::string>> listes;
    for (const auto& [mot, figure] : figures)
        if (figure > 0 && !mot.empty()) listes[std::to_string(figure)].push_back(mot);
    // In byte order, so that the same figures always make the same bytes.
    for (auto& [figure, mots] : listes) std::sort(mots.begin(), mots.end(), OctetsInferieurs);
    return listes;
}

void AssurerFrequences() { DonneesApproches::ParDefaut().AssurerFrequences(); }

bool FrequencesChargees() { return DonneesApproches::ParDefaut().FrequencesChargees(); }

const FrequencesMots& FrequencesApproches() { return DonneesApproches::ParDefaut().Frequences(); }
