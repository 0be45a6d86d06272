#include "rendu/VoisinageSaisie.h"

#include <vector>

#include "rendu/RechercheTolerante.h"

std::string TeteLaPlusProche(const std::string& texte) {
    const std::string mot = NettoyerSaisie(texte);
    const std::size_t nombre = NombreArticles();
    if (mot.empty() || nombre == 0) return {};
    const PositionMot position = ChercherPosition(mot);
    int index = static_cast<int>(nombre) - 1;
    if (position.trouve)
        index = position.index;
    else if (position.insertion >= 0)
        index = position.insertion;
    if (index < 0 || index >= static_cast<int>(nombre)) return {};
    return std::string(DictionnaireCourant().Titre(static_cast<std::size_t>(index)));
}

FenetreListe FenetreDeLaSaisie(const std::string& texte, int apres, int avant) {
    const std::string tete = TeteLaPlusProche(texte);
    if (tete.empty()) return {};
    return FenetreMots(tete, apres, avant);
}
