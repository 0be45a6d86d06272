#include "tools/donnees/LecteurDictd.h"

#include "text/FichiersTexte.h"
#include "tools/donnees/LecteurStarDict.h"

bool NombreBase64Dictd(std::string_view texte, std::uint64_t& valeur) {
    static const std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (texte.empty() || texte.size() > 10) return false;
    valeur = 0;
    for (char c : texte) {
        const std::size_t chiffre = alphabet.find(c);
        if (chiffre == std::string_view::npos) return false;
        valeur = valeur * 64 + chiffre;
    }
    return true;
}

bool AnalyserIndexDictd(std::string_view texte, std::vector<EntreeDictd>& entrees) {
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        if (ligne.empty()) continue;
        const std::size_t tab1 = ligne.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : ligne.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos) return false;
        EntreeDictd entree;
        entree.mot = std::string(ligne.substr(0, tab1));
        if (!NombreBase64Dictd(ligne.substr(tab1 + 1, tab2 - tab1 - 1), entree.decalage) ||
            !NombreBase64Dictd(ligne.substr(tab2 + 1), entree.taille))
            return false;
        entrees.push_back(std::move(entree));
    }
    return true;
}

bool LireArticlesDictd(const std::string& cheminIndex, const std::string& cheminArticles,
                       std::vector<std::string>& articles) {
    std::string index, contenu;
    std::vector<EntreeDictd> entrees;
    if (!LireFichierEntier(cheminIndex, index) || !AnalyserIndexDictd(index, entrees)) return false;
    if (!LireArticlesStarDict(cheminArticles, contenu)) return false;
    for (const EntreeDictd& entree : entrees) {
        if (entree.mot.rfind("00database", 0) == 0 || entree.mot.rfind("00-database", 0) == 0) continue;
        if (entree.decalage > contenu.size() || entree.taille > contenu.size() - entree.decalage) return false;
        articles.push_back(contenu.substr(entree.decalage, entree.taille));
    }
    return !articles.empty();
}
