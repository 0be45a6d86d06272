// The approximate-search command of the main window.
#include <string>
#include <vector>

#include "approx/MoteurApproches.h"
#include "approx/lexique/dictionnaire.h"
#include "platform/dialogue/InterfaceUtilisateur.h"
#include "shell/DialogueThesaurus.h"

namespace {
constexpr const char* TITRE_AUCUN_APPROCHE = "Vocalia - recherche de mot approch\xE9";
constexpr const char* TEXTE_AUCUN_APPROCHE = "Aucun mot approch\xE9 n'a \xE9t\xE9 trouv\xE9";
// No lexicon database ships with the program: the name only has to exist as a
// connection that fails, so that the personal word list is still loaded.
constexpr const char* BASE_LEXIQUE = "toto";
}  // namespace

void DialogueThesaurus::ChercherApproches() {
    CurseurAttente attente;
    MettreAJourDonnees(true);
    const std::string mot = texteMot_;
    // Made on the first search of the run and kept to the end: the engine
    // loads its indexes once, and the lexicon turns its distance ranking on.
    static dictionnaire lexique(BASE_LEXIQUE, false);
    static MoteurApproches moteur(&lexique);
    const std::vector<std::string> resultats = moteur.RechercherApproches(mot, -1);
    // The word shown is the first one the list shows: the filters may hide the engine's best.
    const std::vector<std::string> visibles = FiltrerMots(resultats, Options().TypesExclus);
    if (visibles.empty()) {
        AfficherMot(std::string());
        BoiteMessage(TITRE_AUCUN_APPROCHE, TEXTE_AUCUN_APPROCHE, Icone::Information);
        return;
    }
    PasserEnMode(ModeListe::Approches);
    AfficherListe(resultats, 0);
    AfficherMot(visibles.front());
}
