// The approximate-search command of the main window.
#include <memory>
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

// Here, where the lexicon and the engine the window owns are complete types.
DialogueThesaurus::~DialogueThesaurus() = default;

void DialogueThesaurus::ChercherApproches() {
    CurseurAttente attente;
    MettreAJourDonnees(true);
    const std::string mot = texteMot_;
    // Made on the window's first search and kept: the lexicon turns the
    // engine's distance ranking on.
    if (!moteur_) {
        lexique_ = std::make_unique<dictionnaire>(BASE_LEXIQUE, false);
        moteur_ = std::make_unique<MoteurApproches>(lexique_.get());
    }
    const std::vector<std::string> resultats = moteur_->RechercherApproches(mot, -1);
    if (resultats.empty()) {
        AfficherMot(std::string());
        BoiteMessage(TITRE_AUCUN_APPROCHE, TEXTE_AUCUN_APPROCHE, Icone::Information);
        return;
    }
    PasserEnMode(ModeListe::Approches);
    AfficherListe(resultats, 0);
    AfficherMot(resultats.front());
}
