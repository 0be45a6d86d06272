#include "data/PleinTexte.h"

#include <string.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>

#include "data/FluxBalise.h"

namespace {

// Two cores are what the program may count on; more would only compete for
// memory bandwidth.
constexpr unsigned COEURS_MAX = 2;
// The string fields between the attributes and the sense count: etymology,
// inflections, synonyms, antonyms (see EnregistrementArticle.h).
constexpr int CHAINES_APRES_ATTRIBUTS = 4;

bool Contient(std::string_view texte, const std::string& motif) {
    return memmem(texte.data(), texte.size(), motif.data(), motif.size()) != nullptr;
}

std::string_view Vue(const unsigned char* debut, std::size_t longueur) {
    return {reinterpret_cast<const char*>(debut), longueur};
}

bool LireVue(FluxBaliseLecteur& flux, std::string_view& vue) {
    const unsigned char* debut = nullptr;
    std::size_t longueur = 0;
    if (!flux.LireVue(debut, longueur)) return false;
    vue = Vue(debut, longueur);
    return true;
}

// One article record read where it lies. False when it is malformed; else
// `definition` is set to the first definition that matched, and `trouve`
// tells whether anything did.
bool ChercherDansEnregistrement(FluxBaliseLecteur& flux, const std::string& texte, bool dansExemples,
                                std::string_view& titre, bool& trouve, std::string_view& definition,
                                std::vector<std::string_view>& exemples) {
    std::string_view champ;
    if (!LireVue(flux, titre) || !LireVue(flux, champ) || !flux.SauterTable()) return false;
    for (int i = 0; i < CHAINES_APRES_ATTRIBUTS; ++i)
        if (!LireVue(flux, champ)) return false;
    std::int32_t sens = 0;
    if (!flux.LireEntier(sens) || sens < 0) return false;
    trouve = false;
    for (std::int32_t s = 0; s < sens; ++s) {
        std::string_view lue;
        if (!LireVue(flux, lue) || !flux.LireListeVues(exemples)) return false;
        if (trouve) continue;  // the rest of the record is only stepped over
        if (Contient(lue, texte)) {
            definition = lue;
            trouve = true;
        } else if (dansExemples &&
                   std::any_of(exemples.begin(), exemples.end(), [&](std::string_view e) { return Contient(e, texte); })) {
            definition = {};
            trouve = true;
        }
    }
    return true;
}

void ChercherDansBloc(const std::vector<unsigned char>& octets, EtendueBloc etendue, const TitreTexte& titreIndex,
                      const std::string& texte, bool dansExemples, std::vector<CorrespondancePleinTexte>& trouves) {
    // The records store each string whole, so a block whose bytes lack the
    // text has no article that matches.
    if (memmem(octets.data(), octets.size(), texte.data(), texte.size()) == nullptr) return;
    FluxBaliseLecteur flux(octets.data(), octets.size());
    std::int32_t nombre = 0;
    if (!flux.LireEntier(nombre) || nombre < 0 || std::size_t(nombre) != etendue.nombre) return;
    std::vector<std::string_view> exemples;
    for (std::size_t rang = 0; rang < etendue.nombre; ++rang) {
        std::string_view titre, definition;
        bool trouve = false;
        if (!ChercherDansEnregistrement(flux, texte, dansExemples, titre, trouve, definition, exemples) ||
            titre != titreIndex(etendue.premier + rang))
            return;
        if (trouve) trouves.push_back({std::string(titre), std::string(definition)});
    }
}

}  // namespace

std::vector<CorrespondancePleinTexte> ChercherDansBlocs(std::size_t blocs, const InflaterBlocTexte& inflater,
                                                        const EtendueBlocTexte& etendue, const TitreTexte& titre,
                                                        const std::string& texte, bool dansExemples) {
    std::vector<CorrespondancePleinTexte> resultat;
    if (texte.empty() || blocs == 0) return resultat;
    std::vector<std::vector<CorrespondancePleinTexte>> parBloc(blocs);
    std::atomic<std::size_t> suivant{0};
    const auto travailler = [&] {
        std::vector<unsigned char> octets;
        for (std::size_t b = suivant++; b < blocs; b = suivant++)
            if (inflater(b, octets)) ChercherDansBloc(octets, etendue(b), titre, texte, dansExemples, parBloc[b]);
    };
    const std::size_t coeurs = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, COEURS_MAX);
    std::vector<std::thread> fils;
    for (std::size_t i = 1; i < coeurs && i < blocs; ++i) fils.emplace_back(travailler);
    travailler();
    for (std::thread& fil : fils) fil.join();
    for (std::vector<CorrespondancePleinTexte>& trouves : parBloc)
        for (CorrespondancePleinTexte& trouve : trouves) resultat.push_back(std::move(trouve));
    return resultat;
}
