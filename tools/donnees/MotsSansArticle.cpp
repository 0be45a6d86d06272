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

struct LemmeCommun {
    std::string mot;
    std::string categorie;
    std::string genre;  // the entry's own, for the words known only as plurals or without forms
};

std::string GenreEntree(const std::string& morphologie) {
    const auto is = ChampsMorphologiques(morphologie, "is");
    const bool masculin = std::find(is.begin(), is.end(), "mas") != is.end();
    const bool feminin = std::find(is.begin(), is.end(), "fem") != is.end();
    if (masculin == feminin) return "";
    return masculin ? "masculin" : "f\xE9minin";
}

// The category of an entry the inflection table has no form of: a number
// ("vingt-trois"), or a unit whose forms all come through prefixes ("volt",
// "kilovolt"); empty for the others.
std::string CategorieSansFormes(const std::string& morphologie) {
    const auto po = ChampsMorphologiques(morphologie, "po");
    const auto dit = [&](const char* valeur) { return std::find(po.begin(), po.end(), valeur) != po.end(); };
    if (dit("nb")) return "ADJECTIF NUM\xC9RAL";
    if (dit("nom")) return "NOM";
    if (dit("adj")) return "ADJECTIF";
    return "";
}

// The words of the spelling dictionary that are lemmas of a category or
// numbers, in its order, with the category their article takes.
std::vector<LemmeCommun> LemmesCommuns(const DictionnaireHunspell& hunspell, const TableFlexions& flexions) {
    std::vector<LemmeCommun> lemmes;
    std::set<std::string> vus;
    std::string mot;
    for (const EntreeHunspell& entree : hunspell.Entrees()) {
        if (!ChampsMorphologiques(entree.morphologie, "st").empty() || NomPropre(entree.morphologie) ||
            Symbole(entree) || !CodePointsVersCp1252(entree.mot, mot) || !MotAjoutable(mot))
            continue;
        const auto categories = flexions.Categories(mot);
        std::string categorie = categories.empty() ? "" : categories.front();
        if (categorie.empty()) categorie = CategorieSansFormes(entree.morphologie);
        if (!categorie.empty() && vus.insert(mot).second)
            lemmes.push_back({mot, categorie, GenreEntree(entree.morphologie)});
    }
    return lemmes;
}

Article ArticleSansDefinition(const LemmeCommun& lemme, const TableFlexions& flexions,
                              const std::vector<GroupeSynonymes>& groupes, const std::set<std::string>& formeDe) {
    Article article;
    const std::string& mot = lemme.mot;
    article.mot = mot;
    article.categorie = lemme.categorie;
    std::string genre = article.categorie == "NOM" ? flexions.GenreNom(mot) : "";
    if (genre.empty() && article.categorie == "NOM" && (flexions.PlurielSeulement(mot) || !flexions.Connu(mot)))
        genre = lemme.genre;
    if (!genre.empty()) article.attributs[CleGenre] = genre;
    article.sens.push_back(Sens{SensMotSansArticle, {}});
    for (Sens& sens : SensVoirAussi(formeDe)) article.sens.push_back(std::move(sens));
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

// A word part without its plural ending: "chevaux" "cheval", "cous" "cou";
// the part itself when it has none.
std::vector<std::string> SingulierDePartie(const std::string& partie) {
    std::vector<std::string> singuliers = {partie};
    const std::size_t n = partie.size();
    if (n > 3 && partie.compare(n - 3, 3, "aux") == 0) singuliers.push_back(partie.substr(0, n - 3) + "al");
    if (n > 1 && (partie[n - 1] == 's' || partie[n - 1] == 'x')) singuliers.push_back(partie.substr(0, n - 1));
    return singuliers;
}

// The spelling dictionary lists the plurals of compounds as words of their
// own ("cous-de-pied", "hommes-grenouilles"): the singular among `connus`
// that differs from it by the plural endings of its parts, or empty.
std::string SingulierConnu(const std::string& pluriel, const std::set<std::string>& connus) {
    std::vector<std::string> essais = {""};
    std::size_t debut = 0;
    while (debut <= pluriel.size()) {
        std::size_t fin = pluriel.find_first_of("- '", debut);
        if (fin == std::string::npos) fin = pluriel.size();
        const std::string separateur = fin < pluriel.size() ? pluriel.substr(fin, 1) : "";
        std::vector<std::string> suite;
        for (const std::string& essai : essais)
            for (const std::string& partie : SingulierDePartie(pluriel.substr(debut, fin - debut)))
                suite.push_back(essai + partie + separateur);
        essais = std::move(suite);
        if (essais.size() > 64) return "";
        debut = fin + 1;
    }
    for (const std::string& essai : essais)
        if (essai != pluriel && connus.count(essai)) return essai;
    return "";
}

}  // namespace

AjoutsMotsSansArticle ArticlesMotsSansArticle(const DictionnaireHunspell& hunspell, const TableFlexions& flexions,
                                              const std::vector<EntreeThesaurus>& thesaurus,
                                              const std::vector<Article>& existants,
                                              const std::map<std::string, std::string>& graphies) {
    std::map<std::string, std::set<std::string>> vedettes;  // headword -> category keys of its articles
    for (const Article& article : existants) vedettes[article.mot].insert(CleCategorie(article.categorie));
    std::map<std::string, std::set<std::string>> couverts;  // form of headwords -> those headwords
    for (const auto& [vedette, categories] : vedettes)
        for (const std::string& forme : flexions.Formes(vedette)) couverts[forme].insert(vedette);
    for (const auto& [graphie, vedette] : graphies)
        for (const std::string& forme : flexions.Formes(graphie)) couverts[forme].insert(vedette);
    // A form of a headword that the spelling dictionary knows as a lemma of
    // its own ("blâme" beside "blâmer") is a word of its own, but for the
    // headword's participles and its plurals ("mesdames", "bonshommes").
    const auto couvert = [&](const std::string& mot) {
        const auto formeDe = couverts.find(mot);
        return formeDe != couverts.end() &&
               (flexions.PlurielSeulement(mot) || ParticipeDUneVedette(mot, formeDe->second, flexions));
    };

    std::vector<LemmeCommun> lemmes, pluriels;
    std::vector<std::string> candidats;
    for (const LemmeCommun& lemme : LemmesCommuns(hunspell, flexions)) {
        const std::string& mot = lemme.mot;
        if (vedettes.count(mot) || graphies.count(mot) || couvert(mot) || EstFormeGrammaticale(mot)) continue;
        if (flexions.PlurielSeulement(mot)) {
            pluriels.push_back(lemme);
        } else {
            lemmes.push_back(lemme);
            candidats.push_back(mot);
        }
    }
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
    static const std::set<std::string> personne;
    const auto ajouter = [&](const LemmeCommun& lemme) {
        const auto groupes = synonymes.find(lemme.mot);
        const auto formeDe = couverts.find(lemme.mot);
        ajouts.articles.push_back(ArticleSansDefinition(lemme, flexions,
                                                        groupes == synonymes.end() ? aucun : *groupes->second,
                                                        formeDe == couverts.end() ? personne : formeDe->second));
    };
    for (const LemmeCommun& lemme : lemmes)
        if (!formeDe.count(lemme.mot) && !ajouts.variantes.count(lemme.mot)) ajouter(lemme);
    // Words known only as plurals: a compound's plural leads to its singular;
    // the others are used only so ("b\xE9sicles", "dommages-int\xE9r\xEAts").
    std::set<std::string> singuliers;
    for (const auto& [vedette, categories] : vedettes) singuliers.insert(vedette);
    for (const Article& article : ajouts.articles) singuliers.insert(article.mot);
    for (const LemmeCommun& pluriel : pluriels) {
        const std::string singulier = SingulierConnu(pluriel.mot, singuliers);
        if (singulier.empty()) ajouter(pluriel);
        else ajouts.variantes.emplace(pluriel.mot, singulier);
    }
    return ajouts;
}
