#include "platform/dialogue/EchangeDonnees.h"

#include "platform/dialogue/FenetreDialogue.h"

void EchangeDonnees::Texte(int id, std::string& membre) {
    if (sauver_)
        membre = fenetre_.Texte(id);
    else
        fenetre_.DefinirTexte(id, membre);
}

void EchangeDonnees::Coche(int id, int& membre) {
    if (sauver_)
        membre = fenetre_.Coche(id);
    else
        fenetre_.DefinirCoche(id, membre);
}
