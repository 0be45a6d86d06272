#include "data/PleinTexte.h"

#include <string.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

// Two cores are what the program may count on; more would only compete for
// memory bandwidth.
constexpr unsigned COEURS_MAX = 2;

bool Contient(const std::string& texte, const std::string& motif) {
    return memmem(texte.data(), texte.size(), motif.data(), motif.size()) != nullptr;
}

// The definition is tested before the examples, sense after sense.
bool ArticleContient(const Article& article, const std::string& texte, bool dansExemples,
                     std::string& definition) {
    for (const Sens& sens : article.sens) {
        if (Contient(sens.definition, texte)) {
            definition = sens.definition;
            return true;
        }
        if (dansExemples && std::any_of(sens.exemples.begin(), sens.exemples.end(),
                                        [&](const std::string& exemple) { return Contient(exemple, texte); }))
            return true;
    }
    return false;
}

void ChercherDansBloc(std::size_t numero, const std::vector<unsigned char>& octets, const LireBlocTexte& lire,
                      const std::string& texte, bool dansExemples, std::vector<CorrespondancePleinTexte>& trouves) {
    // The records store each string whole, so a block whose bytes lack the
    // text has no article that matches.
    if (memmem(octets.data(), octets.size(), texte.data(), texte.size()) == nullptr) return;
    std::vector<Article> articles;
    lire(numero, octets, articles);
    for (const Article& article : articles) {
        CorrespondancePleinTexte trouve;
        if (ArticleContient(article, texte, dansExemples, trouve.definition)) {
            trouve.mot = article.mot;
            trouves.push_back(std::move(trouve));
        }
    }
}

}  // namespace

std::vector<CorrespondancePleinTexte> ChercherDansBlocs(std::size_t blocs, const InflaterBlocTexte& inflater,
                                                        const LireBlocTexte& lire, const std::string& texte,
                                                        bool dansExemples) {
    std::vector<CorrespondancePleinTexte> resultat;
    if (texte.empty() || blocs == 0) return resultat;
    std::vector<std::vector<CorrespondancePleinTexte>> parBloc(blocs);
    std::atomic<std::size_t> suivant{0};
    const auto travailler = [&] {
        std::vector<unsigned char> octets;
        for (std::size_t b = suivant++; b < blocs; b = suivant++)
            if (inflater(b, octets)) ChercherDansBloc(b, octets, lire, texte, dansExemples, parBloc[b]);
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
