#include "lexique/RechercheApproches.h"

#include "approx/MoteurApproches.h"
#include "lexique/dictionnaire.h"

namespace {
// No lexicon database ships with the program: the name only has to exist as a
// connection that fails, so that the personal word list is still loaded.
constexpr const char* BASE_LEXIQUE = "toto";
}  // namespace

RechercheApproches::RechercheApproches() : RechercheApproches(DonneesApproches::ParDefaut()) {}

RechercheApproches::RechercheApproches(DonneesApproches& donnees) : donnees_(donnees) {}

RechercheApproches::~RechercheApproches() = default;

std::vector<std::string> RechercheApproches::Rechercher(const std::string& mot) {
    // Made once and kept: the lexicon turns the engine's distance ranking on.
    if (!moteur_) {
        lexique_ = std::make_unique<dictionnaire>(BASE_LEXIQUE, false);
        moteur_ = std::make_unique<MoteurApproches>(lexique_.get(), donnees_);
    }
    return moteur_->RechercherApproches(mot, -1);
}
