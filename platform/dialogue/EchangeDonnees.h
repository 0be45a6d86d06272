#pragma once
// Moves values between a dialog's members and its controls, in the direction
// chosen by Dialogue::MettreAJourDonnees.
#include <string>

class FenetreDialogue;

class EchangeDonnees {
public:
    EchangeDonnees(FenetreDialogue& fenetre, bool sauver) : fenetre_(fenetre), sauver_(sauver) {}
    bool Sauvegarde() const { return sauver_; }
    void Texte(int id, std::string& membre);
    void Coche(int id, int& membre);

private:
    FenetreDialogue& fenetre_;
    bool sauver_;
};
