#include "rendu/VoisinageSaisie.h"

#include <vector>

#include "rendu/RechercheTolerante.h"

std::string TeteLaPlusProche(const std::string& texte) { return TeteLaPlusProche(DictionnaireCourant(), texte); }

std::string TeteLaPlusProche(const DictionnairePrincipal& dictionnaire, const std::string& texte) {
    const std::string mot = NettoyerSaisie(texte);
    const std::size_t nombre = dictionnaire.NombreArticles();
    if (mot.empty() || nombre == 0) return {};
    const PositionMot position = dictionnaire.ChercherPosition(mot);
    int index = static_cast<int>(nombre) - 1;
    if (position.trouve)
        index = position.index;
    else if (position.insertion >= 0)
        index = position.insertion;
    if (index < 0 || index >= static_cast<int>(nombre)) return {};
    return std::string(dictionnaire.Titre(static_cast<std::size_t>(index)));
}

FenetreListe FenetreDeLaSaisie(const std::string& texte, int apres, int avant) {
    return FenetreDeLaSaisie(DictionnaireCourant(), texte, apres, avant);
}

FenetreListe FenetreDeLaSaisie(const DictionnairePrincipal& dictionnaire, const std::string& texte, int apres,
                               int avant) {
    const std::string tete = TeteLaPlusProche(dictionnaire, texte);
    if (tete.empty()) return {};
    return dictionnaire.FenetreMots(tete, apres, avant);
}
