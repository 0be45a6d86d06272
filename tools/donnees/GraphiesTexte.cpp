#include "tools/donnees/GraphiesTexte.h"

#include <cstdio>
#include <map>
#include <unordered_set>

#include "tools/donnees/TexteLittre.h"

namespace {

bool EstLettre(char c) { return EstMinusculeCp1252(c) || EstMajusculeCp1252(c); }

enum class Casse { Minuscules, Capitale, Capitales, Melangee };

Casse CasseDe(const std::string& mot) {
    bool minuscule = false, majusculeApres = false;
    for (std::size_t k = 0; k < mot.size(); ++k) {
        if (EstMinusculeCp1252(mot[k])) minuscule = true;
        else if (k > 0) majusculeApres = true;
    }
    const bool capitaleInitiale = EstMajusculeCp1252(mot[0]);
    if (!capitaleInitiale && !majusculeApres) return Casse::Minuscules;
    if (capitaleInitiale && !majusculeApres) return Casse::Capitale;
    if (capitaleInitiale && !minuscule && mot.size() > 1) return Casse::Capitales;
    return Casse::Melangee;
}

std::string AvecCasse(std::string mot, Casse casse) {
    if (casse == Casse::Capitale && !mot.empty()) mot[0] = MajusculeCp1252(mot[0]);
    if (casse == Casse::Capitales)
        for (char& c : mot) c = MajusculeCp1252(c);
    return mot;
}

// Each maximal run of letters, with what it is followed by.
template <typename Fonction>
void ParMots(const std::string& texte, Fonction&& fonction) {
    for (std::size_t i = 0; i < texte.size();) {
        if (!EstLettre(texte[i])) {
            ++i;
            continue;
        }
        std::size_t fin = i;
        while (fin < texte.size() && EstLettre(texte[fin])) ++fin;
        fonction(i, fin);
        i = fin;
    }
}

// The spellings a word of the text is looked up under: as it stands when it
// is capitalised (a proper name: \x8C\x64ipe), then in lower case.
std::vector<std::string> Formes(const std::string& mot) {
    const Casse casse = CasseDe(mot);
    if (casse == Casse::Melangee) return {};
    if (casse == Casse::Minuscules) return {mot};
    std::vector<std::string> formes;
    if (casse == Casse::Capitale) formes.push_back(mot);
    formes.push_back(EnMinuscules(mot));
    return formes;
}

const GraphieTexte* Chercher(const TableGraphiesTexte& table, const std::string& mot, std::string& remplacement) {
    const Casse casse = CasseDe(mot);
    for (const std::string& forme : Formes(mot)) {
        const auto trouve = table.find(forme);
        if (trouve == table.end()) continue;
        if (trouve->second.moderne.empty()) return nullptr;
        remplacement = forme == mot ? trouve->second.moderne : AvecCasse(trouve->second.moderne, casse);
        return &trouve->second;
    }
    return nullptr;
}

constexpr std::size_t LONGUEUR_MINIMALE = 3;

// Spellings are compared in lower case ("Oedipe" and "\x8C" "dipe" have one
// key), a capital initial apart: a proper name is no spelling of a common noun.
std::string Cle(const std::string& mot) {
    return CleGraphie(EnMinuscules(mot)) + (EstMajusculeCp1252(mot[0]) ? "^" : "");
}

std::size_t Ligatures(const std::string& mot) {
    std::size_t ligatures = 0;
    for (char c : mot) ligatures += c == '\x9C' || c == '\x8C' || c == '\xE6' || c == '\xC6';
    return ligatures;
}

// A ligature the text has is the page's letter: "Ph\x9Cnix" in Racine stays,
// whatever spelling the dictionary prefers today.
bool MemeMotAutrementEcrit(const std::string& mot, const std::string& candidate) {
    const std::string a = EnMinuscules(mot), b = EnMinuscules(candidate);
    return AutreGraphie(a, b) && !ComparerGraphies(a, b).trait && Ligatures(b) >= Ligatures(a);
}

}  // namespace

std::vector<const std::string*> TextesDesArticles(const std::vector<Article>& articles) {
    std::vector<const std::string*> textes;
    for (const Article& article : articles) {
        textes.push_back(&article.etymologie);
        for (const Sens& sens : article.sens) {
            textes.push_back(&sens.definition);
            for (const std::string& exemple : sens.exemples) textes.push_back(&exemple);
        }
    }
    return textes;
}

TableGraphiesTexte TableGraphies(const std::vector<const std::string*>& textes, const GraphiesConnues& connues) {
    // The unknown words first, by key: the spelling dictionary's forms are
    // many more than the text's words.
    std::unordered_set<std::string> inconnus;
    for (const std::string* texte : textes)
        ParMots(*texte, [&](std::size_t debut, std::size_t fin) {
            if (fin - debut < LONGUEUR_MINIMALE) return;
            const std::string mot = texte->substr(debut, fin - debut);
            if (connues.count(mot)) return;
            for (const std::string& forme : Formes(mot))
                if (!connues.count(forme)) inconnus.insert(forme);
        });
    std::unordered_map<std::string, std::vector<std::string>> parCle;
    for (const std::string& mot : inconnus) parCle[Cle(mot)];
    for (const auto& [connue, emplois] : connues) {
        (void)emplois;
        if (connue.empty()) continue;
        const auto cle = parCle.find(Cle(connue));
        if (cle != parCle.end()) cle->second.push_back(connue);
    }
    TableGraphiesTexte table;
    for (const std::string& mot : inconnus) {
        const std::string* retenue = nullptr;
        bool plusieurs = false;
        for (const std::string& candidate : parCle[Cle(mot)]) {
            if (!MemeMotAutrementEcrit(mot, candidate)) continue;
            if (retenue) plusieurs = true;
            retenue = &candidate;
        }
        if (!retenue) continue;
        GraphieTexte graphie;
        if (!plusieurs) {
            graphie.moderne = *retenue;
            const GenresChangement genres = ComparerGraphies(EnMinuscules(mot), EnMinuscules(*retenue));
            graphie.ligatureSeule = genres.ligature && !genres.accent && !genres.trema;
        }
        table.emplace(mot, std::move(graphie));
    }
    return table;
}

std::string RecrireTexte(const std::string& texte, const TableGraphiesTexte& table, bool ligaturesSeules,
                         std::size_t* changes) {
    std::string sortie;
    std::size_t copie = 0;
    ParMots(texte, [&](std::size_t debut, std::size_t fin) {
        if (fin - debut < LONGUEUR_MINIMALE) return;
        std::string remplacement;
        const GraphieTexte* graphie = Chercher(table, texte.substr(debut, fin - debut), remplacement);
        if (!graphie || (ligaturesSeules && !graphie->ligatureSeule)) return;
        sortie.append(texte, copie, debut - copie);
        sortie += remplacement;
        copie = fin;
        if (changes) ++*changes;
    });
    if (copie == 0) return texte;
    sortie.append(texte, copie, std::string::npos);
    return sortie;
}

bool LigatureManquante(const std::string& texte, const TableGraphiesTexte& table) {
    bool manquante = false;
    ParMots(texte, [&](std::size_t debut, std::size_t fin) {
        if (manquante || fin - debut < LONGUEUR_MINIMALE) return;
        std::string remplacement;
        const GraphieTexte* graphie = Chercher(table, texte.substr(debut, fin - debut), remplacement);
        manquante = graphie && ComparerGraphies(EnMinuscules(texte.substr(debut, fin - debut)),
                                                EnMinuscules(remplacement)).ligature;
    });
    return manquante;
}

BilanGraphiesTexte ModerniserTextes(std::vector<Article>& articles, const GraphiesConnues& connues) {
    const TableGraphiesTexte table = TableGraphies(TextesDesArticles(articles), connues);
    BilanGraphiesTexte bilan;
    for (Article& article : articles) {
        std::size_t ligatures = 0, toutes = 0;
        article.etymologie = RecrireTexte(article.etymologie, table, true, &ligatures);
        for (Sens& sens : article.sens) {
            sens.definition = RecrireTexte(sens.definition, table, false, &toutes);
            for (std::string& exemple : sens.exemples) exemple = RecrireTexte(exemple, table, true, &ligatures);
        }
        bilan.motsCitations += ligatures;
        bilan.motsDefinitions += toutes;
        bilan.articles += ligatures + toutes > 0;
    }
    return bilan;
}

std::string TexteBilanGraphiesTexte(const BilanGraphiesTexte& bilan) {
    char texte[200];
    std::snprintf(texte, sizeof texte,
                  "  graphies d'aujourd'hui dans le texte %zu mots (ligatures des citations et "
                  "\xC3\xA9tymologies %zu), %zu articles\n",
                  bilan.motsCitations + bilan.motsDefinitions, bilan.motsCitations, bilan.articles);
    return texte;
}
