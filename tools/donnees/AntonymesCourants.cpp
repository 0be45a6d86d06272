#include "tools/donnees/AntonymesCourants.h"

#include "text/Cp1252.h"
#include "text/FichiersTexte.h"
#include "tools/donnees/Flexions.h"

namespace {
std::string_view Elaguee(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}
}  // namespace

bool LireAntonymesCourants(std::string_view texte, std::vector<PaireAntonymes>& paires,
                           std::size_t* ligneFautive) {
    std::string categorie;
    std::size_t numero = 0;
    while (!texte.empty()) {
        const std::size_t fin = texte.find('\n');
        const std::string_view ligne = Elaguee(texte.substr(0, fin));
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        ++numero;
        if (ligne.empty() || ligne.front() == '#') continue;
        if (ligne.front() == '[' && ligne.back() == ']' && ligne.size() > 2) {
            // "[PRÉPOSITION]" is the key PREPOSITION, as the articles' categories give it.
            categorie = CleCategorie(Utf8VersCp1252(ligne.substr(1, ligne.size() - 2)));
            if (ligne.find(' ') != std::string_view::npos || CategoriesAntonymes(categorie).count(categorie) == 0) {
                if (ligneFautive) *ligneFautive = numero;
                return false;
            }
            continue;
        }
        const std::size_t barre = ligne.find(" / ");
        const std::string_view premier = barre == std::string_view::npos ? "" : Elaguee(ligne.substr(0, barre));
        const std::string_view second = barre == std::string_view::npos ? "" : Elaguee(ligne.substr(barre + 3));
        if (categorie.empty() || premier.empty() || second.empty() || second.find('/') != std::string_view::npos) {
            if (ligneFautive) *ligneFautive = numero;
            return false;
        }
        paires.push_back({Utf8VersCp1252(premier), Utf8VersCp1252(second), categorie, SOURCE_TABLE});
    }
    return true;
}

bool ChargerAntonymesCourants(const std::string& chemin, std::vector<PaireAntonymes>& paires) {
    std::string texte;
    return LireFichierEntier(chemin, texte) && LireAntonymesCourants(texte, paires);
}
