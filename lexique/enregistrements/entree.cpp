#include "lexique/enregistrements/entree.h"

#include "database/ListeEchappee.h"
#include "lexique/enregistrements/ServicesLexique.h"

namespace {
// Under the current lexicon, not the owning one: 0 without any.
int NumeroMotCourant(const std::string& mot) {
    ServicesLexique* const courants = ServicesCourants();
    return courants ? courants->NumeroMot(mot) : 0;
}
}  // namespace

entree::~entree() = default;

void entree::EffacerEntree() { *this = entree(); }

void entree::FixerTexteLibre(const std::string& texte) {
    texteLibre = texte;
    texteLibreFixe = true;
}

int entree::NumeroTexte8() const { return NumeroMotCourant(texte8); }

int entree::NumeroTexte3() const { return NumeroMotCourant(Texte3()); }

declinaison entree::DeclinaisonTexte7() const {
    if (!lexique) return declinaison();
    return lexique->DeclinaisonDuMot(texte7);
}

TableVariables entree::VecteurVariables() const { return CalculerVecteurVariables(LirePairesEchappees(texte6)); }
