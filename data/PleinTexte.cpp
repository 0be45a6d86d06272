#include "data/PleinTexte.h"

#include <string.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>

#include "data/BlocsDictionnaire.h"
#include "data/FluxBalise.h"

namespace {

// Two cores are what the program may count on; more would only compete for
// memory bandwidth.
constexpr unsigned COEURS_MAX = 2;
// The string fields between the attributes and the example lists of a rest
// record: etymology, inflections, synonyms, antonyms (see BlocsDictionnaire.h).
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

// The rest record's fields before its example lists: category, attributes,
// etymology, inflections, synonyms, antonyms.
bool SauterAvantExemples(FluxBaliseLecteur& flux) {
    std::string_view champ;
    if (!LireVue(flux, champ) || !flux.SauterTable()) return false;
    for (int i = 0; i < CHAINES_APRES_ATTRIBUTS; ++i)
        if (!LireVue(flux, champ)) return false;
    return true;
}

// One article read where it lies, from the text unit and, with `reste`, the
// rest unit. False when it is malformed; else `definition` is set to the
// first definition that matched, and `trouve` tells whether anything did.
bool ChercherDansEnregistrement(FluxBaliseLecteur& texte, FluxBaliseLecteur* reste, const std::string& motif,
                                std::string_view& titre, bool& trouve, std::string_view& definition,
                                std::vector<std::string_view>& exemples) {
    std::int32_t sens = 0;
    if (!LireVue(texte, titre) || !texte.LireEntier(sens) || sens < 0) return false;
    if (reste != nullptr && !SauterAvantExemples(*reste)) return false;
    trouve = false;
    for (std::int32_t s = 0; s < sens; ++s) {
        std::string_view lue;
        if (!LireVue(texte, lue)) return false;
        if (reste != nullptr && !reste->LireListeVues(exemples)) return false;
        if (trouve) continue;  // the rest of the record is only stepped over
        if (Contient(lue, motif)) {
            definition = lue;
            trouve = true;
        } else if (reste != nullptr &&
                   std::any_of(exemples.begin(), exemples.end(), [&](std::string_view e) { return Contient(e, motif); })) {
            definition = {};
            trouve = true;
        }
    }
    return true;
}

bool Tient(const std::vector<unsigned char>& octets, const std::string& motif) {
    return memmem(octets.data(), octets.size(), motif.data(), motif.size()) != nullptr;
}

// `reste` is null when the examples are not searched.
void ChercherDansBloc(const std::vector<unsigned char>& texte, const std::vector<unsigned char>* reste,
                      EtendueBloc etendue, const TitreTexte& titreIndex, const std::string& motif,
                      std::vector<CorrespondancePleinTexte>& trouves) {
    // The records store each string whole, so a block whose bytes lack the
    // text has no article that matches.
    if (!Tient(texte, motif) && (reste == nullptr || !Tient(*reste, motif))) return;
    FluxBaliseLecteur fluxTexte(texte.data(), texte.size());
    FluxBaliseLecteur fluxReste(reste ? reste->data() : nullptr, reste ? reste->size() : 0);
    FluxBaliseLecteur* lecteurReste = reste ? &fluxReste : nullptr;
    if (!LireCompteBloc(fluxTexte, etendue.nombre) || (reste && !LireCompteBloc(fluxReste, etendue.nombre))) return;
    std::vector<std::string_view> exemples;
    for (std::size_t rang = 0; rang < etendue.nombre; ++rang) {
        std::string_view titre, definition;
        bool trouve = false;
        if (!ChercherDansEnregistrement(fluxTexte, lecteurReste, motif, titre, trouve, definition, exemples) ||
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
        std::vector<unsigned char> octets, reste;
        std::vector<unsigned char>* lireReste = dansExemples ? &reste : nullptr;
        for (std::size_t b = suivant++; b < blocs; b = suivant++)
            if (inflater(b, octets, lireReste)) ChercherDansBloc(octets, lireReste, etendue(b), titre, texte, parBloc[b]);
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
