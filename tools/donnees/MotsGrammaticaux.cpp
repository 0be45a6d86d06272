#include "tools/donnees/MotsGrammaticaux.h"

#include <algorithm>
#include <cstdio>

#include "tools/donnees/Flexions.h"

namespace {

// A form and the word a French dictionary files it under.
const std::vector<FormeGrammaticale> Table = {
    // personal pronouns
    {"ils", "il"}, {"elles", "elle"}, {"eux", "lui"}, {"moi", "me"}, {"toi", "te"}, {"soi", "se"},
    // articles, contracted articles
    {"la", "le"}, {"les", "le"}, {"une", "un"}, {"des", "un"}, {"aux", "au"}, {"du", "de"},
    // possessive determiners and pronouns
    {"ma", "mon"}, {"mes", "mon"}, {"ta", "ton"}, {"tes", "ton"}, {"sa", "son"}, {"ses", "son"},
    {"nos", "notre"}, {"vos", "votre"}, {"leurs", "leur"},
    {"mienne", "mien"}, {"miens", "mien"}, {"miennes", "mien"},
    {"tienne", "tien"}, {"tiens", "tien"}, {"tiennes", "tien"},
    {"sienne", "sien"}, {"siens", "sien"}, {"siennes", "sien"},
    {"n\xF4tres", "n\xF4tre"}, {"v\xF4tres", "v\xF4tre"},
    // demonstrative determiners and pronouns
    {"cet", "ce"}, {"cette", "ce"}, {"ces", "ce"},
    {"celle", "celui"}, {"ceux", "celui"}, {"celles", "celle"},
    {"celle-ci", "celui-ci"}, {"ceux-ci", "celui-ci"}, {"celles-ci", "celui-ci"},
    {"celle-l\xE0", "celui-l\xE0"}, {"ceux-l\xE0", "celui-l\xE0"}, {"celles-l\xE0", "celui-l\xE0"},
    // relative and interrogative pronouns, interrogative determiners
    {"laquelle", "lequel"}, {"lesquels", "lequel"}, {"lesquelles", "lequel"},
    {"duquel", "lequel"}, {"desquels", "lequel"}, {"desquelles", "lequel"},
    {"auquel", "lequel"}, {"auxquels", "lequel"}, {"auxquelles", "lequel"},
    {"quelle", "quel"}, {"quels", "quel"}, {"quelles", "quel"},
    // indefinite determiners and pronouns
    {"toute", "tout"}, {"tous", "tout"}, {"toutes", "tout"},
    {"aucune", "aucun"}, {"aucuns", "aucun"}, {"aucunes", "aucun"},
    {"nulle", "nul"}, {"nuls", "nul"}, {"nulles", "nul"},
    {"chacune", "chacun"},
    {"certaine", "certain"}, {"certains", "certain"}, {"certaines", "certain"},
    {"telle", "tel"}, {"tels", "tel"}, {"telles", "tel"},
    {"quelqu'une", "quelqu'un"}, {"quelques-uns", "quelqu'un"}, {"quelques-unes", "quelqu'un"},
    {"quelques", "quelque"}, {"autres", "autre"}, {"m\xEAmes", "m\xEAme"},
};

bool Lettre(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7) || c == 0x9C || c == 0xE6;
}

bool MotSimple(const std::string& mot) {
    if (mot.empty() || !Lettre(static_cast<unsigned char>(mot[0])) || mot.back() == '-') return false;
    return std::all_of(mot.begin(), mot.end(),
                       [](char c) { return Lettre(static_cast<unsigned char>(c)) || c == '-'; });
}

// The words of a locution headword ("parce" and "que" of "parce que",
// "posteriori" of "a posteriori"); none for a one-word headword.
std::vector<std::string> MotsDeLocution(const std::string& vedette) {
    std::vector<std::string> mots;
    if (vedette.find(' ') == std::string::npos) return mots;
    std::size_t debut = 0;
    while (debut <= vedette.size()) {
        std::size_t fin = vedette.find_first_of(" '", debut);
        if (fin == std::string::npos) fin = vedette.size();
        const std::string mot = vedette.substr(debut, fin - debut);
        if (MotSimple(mot)) mots.push_back(mot);
        debut = fin + 1;
    }
    return mots;
}

}  // namespace

const std::vector<FormeGrammaticale>& TableMotsGrammaticaux() { return Table; }

bool EstFormeGrammaticale(const std::string& mot) {
    return std::any_of(Table.begin(), Table.end(), [&](const FormeGrammaticale& f) { return mot == f.forme; });
}

BilanMotsGrammaticaux IndexerMotsGrammaticaux(const std::vector<Article>& articles,
                                              std::map<std::string, std::vector<std::string>>& index) {
    BilanMotsGrammaticaux bilan;
    std::set<std::string> vedettes;
    for (const Article& article : articles) vedettes.insert(article.mot);
    for (const FormeGrammaticale& f : Table) {
        if (vedettes.count(f.forme) || !vedettes.count(f.vedette)) continue;
        std::vector<std::string>& liste = index[f.forme];
        liste.erase(std::remove(liste.begin(), liste.end(), f.vedette), liste.end());
        liste.insert(liste.begin(), f.vedette);
        ++bilan.formes;
    }
    std::map<std::string, std::vector<std::string>> locutions;  // word -> its locutions, in headword order
    for (const std::string& vedette : vedettes)
        for (const std::string& mot : MotsDeLocution(vedette))
            if (!vedettes.count(mot) && !index.count(mot)) AjouterSansDoublon(locutions[mot], vedette);
    for (auto& [mot, liste] : locutions) index[mot] = std::move(liste);
    bilan.motsDeLocutions = locutions.size();
    return bilan;
}

std::string TexteBilanMotsGrammaticaux(const BilanMotsGrammaticaux& bilan) {
    char texte[200];
    std::snprintf(texte, sizeof texte,
                  "  formes grammaticales    %zu\n"
                  "  mots de locutions       %zu\n",
                  bilan.formes, bilan.motsDeLocutions);
    return texte;
}
