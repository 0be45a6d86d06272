#include "conjugation/enregistrements/entree.h"

#include "approx/lexique/NumerosLexique.h"
#include "approx/lexique/dictionnaire.h"
#include "conjugation/base/ListeEchappee.h"

entree::~entree() = default;

void entree::EffacerEntree() { *this = entree(); }

void entree::FixerTexteLibre(const std::string& texte) {
    texteLibre = texte;
    texteLibreFixe = true;
}

int entree::NumeroTexte8() const { return NumeroMot(texte8); }

int entree::NumeroTexte3() const { return NumeroMot(Texte3()); }

declinaison entree::DeclinaisonTexte7() const {
    if (!lexique) return declinaison();
    return lexique->DeclinaisonDuMot(texte7);
}

TableVariables entree::VecteurVariables() const { return CalculerVecteurVariables(LirePairesEchappees(texte6)); }
