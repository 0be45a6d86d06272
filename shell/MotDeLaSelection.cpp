#include "shell/MotDeLaSelection.h"

#include <vector>

#include "rendu/RechercheTolerante.h"

namespace {
bool EstSeparateur(char c) { return c == ' ' || c == '\t' || c == '\xA0'; }

// The first line that still holds something once its punctuation is gone.
std::string PremiereLigne(const std::string& texte) {
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find_first_of("\r\n", debut);
        if (fin == std::string::npos) fin = texte.size();
        const std::string ligne = texte.substr(debut, fin - debut);
        if (!SansPonctuationAutour(ligne).empty()) return ligne;
        debut = fin + 1;
    }
    return {};
}

std::vector<std::string> PremiersMots(const std::string& ligne, std::size_t nombre) {
    std::vector<std::string> mots;
    std::size_t i = 0;
    while (i < ligne.size() && mots.size() < nombre) {
        while (i < ligne.size() && EstSeparateur(ligne[i])) ++i;
        std::size_t fin = i;
        while (fin < ligne.size() && !EstSeparateur(ligne[fin])) ++fin;
        // Marks standing alone (a dash, guillemets spaced out) are no word.
        if (fin > i && !SansPonctuationAutour(ligne.substr(i, fin - i)).empty()) mots.push_back(ligne.substr(i, fin - i));
        i = fin;
    }
    return mots;
}
}  // namespace

std::string MotDeLaSelection(const std::string& selection, const CarteOptions& typesExclus) {
    return MotDeLaSelection(SourcesParDefaut(), selection, typesExclus);
}

std::string MotDeLaSelection(const SourcesArticles& sources, const std::string& selection,
                             const CarteOptions& typesExclus) {
    const std::vector<std::string> mots = PremiersMots(PremiereLigne(selection), MOTS_LOCUTION_MAX);
    for (std::size_t n = mots.size(); n >= 2; --n) {
        std::string locution;
        for (std::size_t i = 0; i < n; ++i) locution += (i ? " " : "") + mots[i];
        locution = SansPonctuationAutour(locution);
        if (!RechercherTolerant(sources, locution, typesExclus).empty()) return locution;
    }
    return mots.empty() ? std::string() : SansPonctuationAutour(mots.front());
}
