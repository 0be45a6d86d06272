// The approximate-search command of the main window.
#include <string>
#include <vector>

#include "lexique/DonneesVocalia.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "shell/DialogueThesaurus.h"

namespace {
constexpr const char* TITRE_AUCUN_APPROCHE = "Vocalia - recherche de mot approch\xE9";
constexpr const char* TEXTE_AUCUN_APPROCHE = "Aucun mot approch\xE9 n'a \xE9t\xE9 trouv\xE9";
}  // namespace

void DialogueThesaurus::ChercherApproches() {
    CurseurAttente attente;
    MettreAJourDonnees(true);
    const std::string mot = texteMot_;
    const std::vector<std::string> resultats = approches_.Rechercher(mot);
    // The word shown is the first one the list shows: the filters may hide the engine's best.
    const std::vector<std::string> visibles = FiltrerMots(donnees_.Dictionnaire(), resultats, Options().TypesExclus);
    if (visibles.empty()) {
        AfficherMot(std::string());
        BoiteMessage(TITRE_AUCUN_APPROCHE, TEXTE_AUCUN_APPROCHE, Icone::Information);
        return;
    }
    PasserEnMode(ModeListe::Approches);
    AfficherListe(resultats, 0);
    AfficherMot(visibles.front());
}
