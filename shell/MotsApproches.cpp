#include "shell/MotsApproches.h"

#include "approx/MoteurApproches.h"
#include "approx/lexique/dictionnaire.h"

namespace {
// No lexicon database ships with the program: the name only has to exist as a
// connection that fails, so that the personal word list is still loaded.
constexpr const char* BASE_LEXIQUE = "toto";
}  // namespace

std::vector<std::string> MotsApproches(const std::string& mot) {
    static dictionnaire lexique(BASE_LEXIQUE, false);
    static MoteurApproches moteur(&lexique);
    return moteur.RechercherApproches(mot, -1);
}
