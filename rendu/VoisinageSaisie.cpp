#include "rendu/VoisinageSaisie.h"

#include <vector>

#include "rendu/RechercheTolerante.h"

std::string TeteLaPlusProche(const std::string& texte) {
    const std::string mot = NettoyerSaisie(texte);
    const std::vector<Article>& articles = ArticlesDictionnaire();
    if (mot.empty() || articles.empty()) return {};
    const PositionMot position = ChercherPosition(mot);
    int index = static_cast<int>(articles.size()) - 1;
    if (position.trouve)
        index = position.index;
    else if (position.insertion >= 0)
        index = position.insertion;
    if (index < 0 || index >= static_cast<int>(articles.size())) return {};
    return articles[static_cast<std::size_t>(index)].mot;
}

FenetreListe FenetreDeLaSaisie(const std::string& texte, int apres, int avant) {
    const std::string tete = TeteLaPlusProche(texte);
    if (tete.empty()) return {};
    return FenetreMots(tete, apres, avant);
}
