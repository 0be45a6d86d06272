#include "tools/donnees/MotsSansArticle.h"

#include <algorithm>

#include "text/Cp1252.h"
#include "tools/donnees/Flexions.h"
#include "tools/donnees/GraphieModerne.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/MotsGrammaticaux.h"
#include "tools/donnees/MotsModernes.h"

const char* const SensMotSansArticle =
    "Mot post\xE9rieur au Littr\xE9 (1872\x96" "1877) ou absent de celui-ci ; "
    "nos sources n'en donnent pas de d\xE9" "finition.";

namespace {

// Proper names, first names, titles ("Mme"): not common words.
bool NomPropre(const std::string& morphologie) {
    for (const std::string& po : ChampsMorphologiques(morphologie, "po"))
        if (po == "prn" || po == "npr" || po == "patr" || po == "titr") return true;
    return false;
}

// Unit symbols and abbreviations keep their case ("||") or are never suggested ("--").
bool Symbole(const EntreeHunspell& entree) {
    return std::any_of(entree.drapeaux.begin(), entree.drapeaux.end(),
                       [](const Drapeau& d) { return d == U"||" || d == U"--"; });
}

bool EnCp1252(std::u32string_view texte, std::string& sortie) {
    sortie.clear();
    for (char32_t p : texte) {
        const int octet = OctetCp1252(p);
        if (octet <= 0) return false;
        sortie += char(octet);
    }
    return true;
}

// The words of the spelling dictionary that are lemmas of a category, in its order.
std::vector<std::string> LemmesCommuns(const DictionnaireHunspell& hunspell, const TableFlexions& flexions) {
    std::vector<std::string> lemmes;
    std::set<std::string> vus;
    std::string mot;
    for (const EntreeHunspell& entree : hunspell.Entrees()) {
        if (!ChampsMorphologiques(entree.morphologie, "st").empty() || NomPropre(entree.morphologie) ||
            Symbole(entree) || !EnCp1252(entree.mot, mot) || !MotAjoutable(mot) || flexions.Categories(mot).empty())
            continue;
        if (vus.insert(mot).second) lemmes.push_back(mot);
    }
    return lemmes;
}

Article ArticleSansDefinition(const std::string& mot, const TableFlexions& flexions,
                              const std::vector<GroupeSynonymes>& groupes) {
    Article article;
    article.mot = mot;
    article.categorie = flexions.Categories(mot).front();
    const std::string genre = article.categorie == "NOM" ? flexions.GenreNom(mot) : "";
    if (!genre.empty()) article.attributs[CleGenre] = genre;
    article.sens.push_back(Sens{SensMotSansArticle, {}});
    std::vector<GroupeSynonymes> convenables;  // the groups of the article's category, or of none said
    const std::string cle = CleCategorie(article.categorie);
    for (const GroupeSynonymes& groupe : groupes)
        if (groupe.categories.empty() ||
            std::find(groupe.categories.begin(), groupe.categories.end(), cle) != groupe.categories.end())
            convenables.push_back(groupe);
    article.synonymes = TexteSynonymes(convenables);
    return article;
}

// The candidates that are another spelling of exactly one headword whose
// articles share a category with them (or say none); affixes ("m\xE9ga-") are
// no spelling of a word.
std::map<std::string, std::string> Variantes(const std::vector<std::string>& candidats,
                                             const std::map<std::string, std::set<std::string>>& vedettes,
                                             const TableFlexions& flexions) {
    std::map<std::string, std::vector<std::string>> parCle;
    for (const auto& [vedette, categories] : vedettes) parCle[CleGraphie(vedette)].push_back(vedette);
    std::map<std::string, std::string> variantes;
    for (const std::string& mot : candidats) {
        const auto memeCle = parCle.find(CleGraphie(mot));
        if (memeCle == parCle.end()) continue;
        std::vector<std::string> retenues;
        for (const std::string& vedette : memeCle->second) {
            if (!AutreGraphie(mot, vedette) || vedette.front() == '-' || vedette.back() == '-') continue;
            const std::set<std::string>& categories = vedettes.at(vedette);
            bool partage = categories.count("") != 0;
            for (const std::string& c : flexions.Categories(mot)) partage |= categories.count(CleCategorie(c)) != 0;
            if (partage) retenues.push_back(vedette);
        }
        if (retenues.size() == 1) variantes[mot] = retenues.front();
    }
    return variantes;
}

}  // namespace

AjoutsMotsSansArticle ArticlesMotsSansArticle(const DictionnaireHunspell& hunspell, const TableFlexions& flexions,
                                              const std::vector<EntreeThesaurus>& thesaurus,
                                              const std::vector<Article>& existants,
                                              const std::map<std::string, std::string>& graphies) {
    std::map<std::string, std::set<std::string>> vedettes;  // headword -> category keys of its articles
    for (const Article& article : existants) vedettes[article.mot].insert(CleCategorie(article.categorie));
    std::set<std::string> couverts;  // forms of the headwords
    for (const auto& [vedette, categories] : vedettes)
        for (const std::string& forme : flexions.Formes(vedette)) couverts.insert(forme);
    for (const auto& [graphie, vedette] : graphies)
        for (const std::string& forme : flexions.Formes(graphie)) couverts.insert(forme);

    std::vector<std::string> candidats;
    for (const std::string& mot : LemmesCommuns(hunspell, flexions))
        if (!vedettes.count(mot) && !graphies.count(mot) && !couverts.count(mot) && !EstFormeGrammaticale(mot) &&
            !flexions.PlurielSeulement(mot))
            candidats.push_back(mot);
    AjoutsMotsSansArticle ajouts;
    ajouts.variantes = Variantes(candidats, vedettes, flexions);
    // A candidate that is a form of another ("footballeuse" of "footballeur")
    // is found through the index, unless the two are forms of each other.
    std::map<std::string, std::set<std::string>> formes;
    for (const std::string& mot : candidats) formes[mot] = flexions.Formes(mot);
    std::map<std::string, std::string> formeDe;
    for (const std::string& mot : candidats)
        for (const std::string& forme : formes[mot])
            if (formes.count(forme) && !formes[forme].count(mot)) formeDe.emplace(forme, mot);

    std::map<std::string, const std::vector<GroupeSynonymes>*> synonymes;
    for (const EntreeThesaurus& entree : thesaurus) synonymes.emplace(entree.mot, &entree.groupes);
    static const std::vector<GroupeSynonymes> aucun;
    for (const std::string& mot : candidats) {
        if (formeDe.count(mot) || ajouts.variantes.count(mot)) continue;
        const auto groupes = synonymes.find(mot);
        ajouts.articles.push_back(
            ArticleSansDefinition(mot, flexions, groupes == synonymes.end() ? aucun : *groupes->second));
    }
    return ajouts;
}
