#include "tools/donnees/Thesaurus.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "text/Cp1252.h"
#include "tools/donnees/Flexions.h"

namespace {

std::vector<std::string_view> Decouper(std::string_view texte, char separateur) {
    std::vector<std::string_view> parties;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find(separateur, debut);
        parties.push_back(texte.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut));
        if (fin == std::string_view::npos) return parties;
        debut = fin + 1;
    }
}

std::string_view Elaguee(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The Latin sets share Windows-1252's bytes from 0xA0 up, which is all French needs.
std::string EnCp1252(std::string_view texte, bool utf8) {
    return utf8 ? Utf8VersCp1252(texte) : std::string(texte);
}

GroupeSynonymes LireGroupe(std::string_view ligne, const std::string& mot, bool utf8) {
    GroupeSynonymes groupe;
    const auto parties = Decouper(ligne, '|');
    std::string_view categories = Elaguee(parties[0]);
    if (categories.size() >= 2 && categories.front() == '(' && categories.back() == ')')
        categories = categories.substr(1, categories.size() - 2);
    for (std::string_view nom : Decouper(categories, ' ')) {
        const std::string cle = CleCategorie(EnCp1252(Elaguee(nom), utf8));
        if (!cle.empty() && std::find(groupe.categories.begin(), groupe.categories.end(), cle) ==
                                groupe.categories.end() && cle != "?")
            groupe.categories.push_back(cle);
    }
    for (std::size_t k = 1; k < parties.size(); ++k) {
        const std::string synonyme = EnCp1252(Elaguee(parties[k]), utf8);
        if (synonyme.empty() || synonyme == mot) continue;
        if (std::find(groupe.synonymes.begin(), groupe.synonymes.end(), synonyme) == groupe.synonymes.end())
            groupe.synonymes.push_back(synonyme);
    }
    return groupe;
}

}  // namespace

bool LireThesaurus(std::string_view texte, std::vector<EntreeThesaurus>& entrees) {
    auto lignes = Decouper(texte, '\n');
    if (lignes.empty()) return false;
    const std::string encodage(Elaguee(lignes[0]));
    const bool utf8 = encodage == "UTF-8" || encodage == "utf-8" || encodage == "UTF8";
    const std::size_t avant = entrees.size();
    for (std::size_t i = 1; i < lignes.size();) {
        const std::string_view ligne = Elaguee(lignes[i++]);
        const std::size_t barre = ligne.rfind('|');
        if (ligne.empty() || barre == std::string_view::npos) continue;
        const std::string_view compte = ligne.substr(barre + 1);
        if (compte.empty() || compte.size() > 4 ||
            !std::all_of(compte.begin(), compte.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        EntreeThesaurus entree;
        entree.mot = EnCp1252(Elaguee(ligne.substr(0, barre)), utf8);
        const std::size_t n = std::stoul(std::string(compte));
        // The count announces the group lines; a shorter file ends the entry early.
        for (std::size_t k = 0; k < n && i < lignes.size(); ++k) {
            const std::string_view groupe = Elaguee(lignes[i]);
            if (groupe.empty() || groupe.front() != '(') break;
            ++i;
            GroupeSynonymes lu = LireGroupe(groupe, entree.mot, utf8);
            if (!lu.synonymes.empty()) entree.groupes.push_back(std::move(lu));
        }
        if (!entree.mot.empty() && !entree.groupes.empty()) entrees.push_back(std::move(entree));
    }
    return entrees.size() > avant;
}

bool ChargerThesaurus(const std::string& chemin, std::vector<EntreeThesaurus>& entrees) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) return false;
    std::ostringstream tampon;
    tampon << fichier.rdbuf();
    return LireThesaurus(tampon.str(), entrees);
}

std::map<std::string, std::vector<std::string>> SynonymesInverses(const std::vector<EntreeThesaurus>& entrees) {
    std::map<std::string, std::vector<std::string>> inverses;
    for (const EntreeThesaurus& entree : entrees)
        for (const GroupeSynonymes& groupe : entree.groupes)
            for (const std::string& synonyme : groupe.synonymes) {
                auto& liste = inverses[synonyme];
                if (liste.empty() || liste.back() != entree.mot) liste.push_back(entree.mot);
            }
    return inverses;
}

void CorrigerGroupesDouteux(std::vector<EntreeThesaurus>& entrees, std::size_t maximum) {
    const auto inverses = SynonymesInverses(entrees);
    for (EntreeThesaurus& entree : entrees) {
        const auto inverse = inverses.find(entree.mot);
        if (inverse == inverses.end()) continue;
        const std::set<std::string> quiCitent(inverse->second.begin(), inverse->second.end());
        for (GroupeSynonymes& groupe : entree.groupes) {
            if (!groupe.categories.empty()) continue;
            const bool confirme = std::any_of(groupe.synonymes.begin(), groupe.synonymes.end(),
                                              [&](const std::string& s) { return quiCitent.count(s) != 0; });
            if (confirme) continue;
            groupe.synonymes.assign(inverse->second.begin(),
                                    inverse->second.begin() +
                                        std::min(maximum, inverse->second.size()));
        }
    }
}

std::string TexteSynonymes(const std::vector<GroupeSynonymes>& groupes) {
    std::vector<std::string> lignes;
    for (const GroupeSynonymes& groupe : groupes) {
        std::string ligne;
        for (std::size_t k = 0; k < groupe.synonymes.size(); ++k) {
            const std::string& synonyme = groupe.synonymes[k];
            if (k == 0 && groupe.glose && groupe.synonymes.size() > 1) ligne = "(" + synonyme + ")";
            else ligne += (ligne.empty() ? "" : k == 1 && groupe.glose ? " " : ", ") + synonyme;
        }
        if (!ligne.empty() && std::find(lignes.begin(), lignes.end(), ligne) == lignes.end())
            lignes.push_back(ligne);
    }
    std::string texte;
    for (const std::string& ligne : lignes) texte += (texte.empty() ? "" : "\n") + ligne;
    return texte;
}
