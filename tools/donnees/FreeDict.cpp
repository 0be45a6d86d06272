#include "tools/donnees/FreeDict.h"

namespace {
std::string Elaguee(const std::string& s) {
    std::size_t debut = 0, fin = s.size();
    while (debut < fin && (s[debut] == ' ' || s[debut] == '\t')) ++debut;
    while (fin > debut && (s[fin - 1] == ' ' || s[fin - 1] == '\t' || s[fin - 1] == '\r')) --fin;
    return s.substr(debut, fin - debut);
}

std::string Categorie(const std::string& etiquette) {
    const std::string premiere = etiquette.substr(0, etiquette.find(','));
    if (premiere == "n") return "NOM";
    if (premiere == "v" || premiere == "vt" || premiere == "vi") return "VERBE";
    if (premiere == "adj") return "ADJECTIF";
    if (premiere == "adv") return "ADVERBE";
    return "";
}

// "1. cede, give in (a point)": the numbering and the remarks in parentheses go.
std::vector<std::string> Traductions(std::string ligne) {
    std::size_t chiffres = 0;
    while (chiffres < ligne.size() && ligne[chiffres] >= '0' && ligne[chiffres] <= '9') ++chiffres;
    if (chiffres > 0 && ligne.compare(chiffres, 2, ". ") == 0) ligne.erase(0, chiffres + 2);
    std::string sansRemarques;
    int profondeur = 0;
    for (char c : ligne) {
        if (c == '(') ++profondeur;
        else if (c == ')' && profondeur > 0) --profondeur;
        else if (profondeur == 0) sansRemarques += c;
    }
    std::vector<std::string> traductions;
    std::size_t debut = 0;
    while (debut <= sansRemarques.size()) {
        std::size_t fin = sansRemarques.find(',', debut);
        if (fin == std::string::npos) fin = sansRemarques.size();
        const std::string traduction = Elaguee(sansRemarques.substr(debut, fin - debut));
        if (!traduction.empty()) traductions.push_back(traduction);
        debut = fin + 1;
    }
    return traductions;
}
}  // namespace

bool AnalyserArticleFreeDict(const std::string& texte, ArticleBilingue& article) {
    article = {};
    std::size_t debut = 0;
    bool premiere = true;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) fin = texte.size();
        const std::string ligne = Elaguee(texte.substr(debut, fin - debut));
        debut = fin + 1;
        if (ligne.empty()) continue;
        if (premiere) {
            premiere = false;
            const std::size_t chevron = ligne.find(" <");
            if (chevron != std::string::npos && ligne.back() == '>')
                article.categorie = Categorie(ligne.substr(chevron + 2, ligne.size() - chevron - 3));
            const std::size_t prononciation = ligne.find(" /");
            article.vedette = Elaguee(ligne.substr(0, std::min(prononciation, chevron)));
            continue;
        }
        auto traductions = Traductions(ligne);
        if (!traductions.empty()) article.sens.push_back(std::move(traductions));
    }
    return !article.vedette.empty() && !article.sens.empty();
}

std::vector<std::string> PremieresTraductions(const ArticleBilingue& article, std::size_t parSens) {
    std::vector<std::string> premieres;
    for (const auto& sens : article.sens)
        for (std::size_t i = 0; i < sens.size() && i < parSens; ++i) premieres.push_back(sens[i]);
    return premieres;
}
