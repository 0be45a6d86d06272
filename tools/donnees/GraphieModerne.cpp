#include "tools/donnees/GraphieModerne.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "text/Cp1252.h"
#include "tools/donnees/Flexions.h"
#include "tools/donnees/Hunspell.h"

namespace {

// The letter without its accent or diaeresis; ligatures are handled apart.
char LettreNue(unsigned char c) {
    static const char minuscules[] = "aaaaaaxceeeeiiiidnooooo/ouuuuyty";  // 0xE0..0xFF
    if (c >= 0xE0 && c != 0xE6 && c != 0xF7) return minuscules[c - 0xE0];
    if (c >= 0xC0 && c < 0xDF && c != 0xC6 && c != 0xD7) return char(minuscules[c - 0xC0] - 'a' + 'A');
    if (c == 0x9F) return 'Y';
    return char(c);
}

const char* Ligature(unsigned char c) {
    switch (c) {
        case 0x9C: return "oe";
        case 0x8C: return "OE";
        case 0xE6: return "ae";
        case 0xC6: return "AE";
        default: return nullptr;
    }
}

bool Trema(unsigned char c) {
    switch (c) {
        case 0xE4: case 0xEB: case 0xEF: case 0xF6: case 0xFC: case 0xFF:
        case 0xC4: case 0xCB: case 0xCF: case 0xD6: case 0xDC: case 0x9F: return true;
        default: return false;
    }
}

// Ligatures as two letters, hyphens kept, accents kept.
std::string Deplie(const std::string& mot) {
    std::string sortie;
    for (unsigned char c : mot) {
        const char* deux = Ligature(c);
        if (deux) sortie += deux;
        else sortie += char(c);
    }
    return sortie;
}

std::string SansTraits(const std::string& mot) {
    std::string sortie;
    for (char c : mot)
        if (c != '-') sortie += c;
    return sortie;
}

std::size_t NombreLigatures(const std::string& mot) {
    return std::count_if(mot.begin(), mot.end(), [](char c) { return Ligature(static_cast<unsigned char>(c)); });
}

bool EstLettre(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

std::string Capitalise(std::string mot) {
    if (mot.empty()) return mot;
    const unsigned char c = static_cast<unsigned char>(mot[0]);
    if (c >= 'a' && c <= 'z') mot[0] = char(c - 'a' + 'A');
    else if (c >= 0xE0 && c != 0xF7 && c != 0xFF) mot[0] = char(c - 0x20);
    else if (c == 0x9C) mot[0] = char(0x8C);
    return mot;
}

// Whole-word occurrences of `ancien` (a plural "s" or "x" may follow) become `nouveau`.
std::string RemplacerMot(const std::string& texte, const std::string& ancien, const std::string& nouveau) {
    std::string sortie;
    std::size_t i = 0;
    while (i < texte.size()) {
        const std::size_t trouve = texte.find(ancien, i);
        if (trouve == std::string::npos) break;
        std::size_t fin = trouve + ancien.size();
        if (fin < texte.size() && (texte[fin] == 's' || texte[fin] == 'x')) ++fin;
        const bool debutMot = trouve == 0 || !EstLettre(static_cast<unsigned char>(texte[trouve - 1]));
        const bool finMot = fin == texte.size() || !EstLettre(static_cast<unsigned char>(texte[fin]));
        sortie.append(texte, i, trouve - i);
        if (debutMot && finMot) sortie += nouveau + texte.substr(trouve + ancien.size(), fin - trouve - ancien.size());
        else sortie.append(texte, trouve, fin - trouve);
        i = fin;
    }
    sortie.append(texte, std::min(i, texte.size()), std::string::npos);
    return sortie;
}

std::string RemplacerDansTexte(const std::string& texte, const std::string& ancien, const std::string& nouveau) {
    return RemplacerMot(RemplacerMot(texte, ancien, nouveau), Capitalise(ancien), Capitalise(nouveau));
}

void Reecrire(Article& article, const std::string& ancien, const std::string& nouveau) {
    article.mot = nouveau;
    for (Sens& sens : article.sens) {
        sens.definition = RemplacerDansTexte(sens.definition, ancien, nouveau);
        for (std::string& exemple : sens.exemples) exemple = RemplacerDansTexte(exemple, ancien, nouveau);
    }
}

// How far two spellings of one key are apart: the fewer differences, the
// likelier the known spelling is the Littré's word and not another one.
std::size_t Ecart(const std::string& a, const std::string& b) {
    const std::string x = SansTraits(Deplie(a)), y = SansTraits(Deplie(b));
    std::size_t ecart = NombreLigatures(a) > NombreLigatures(b) ? NombreLigatures(a) - NombreLigatures(b)
                                                                 : NombreLigatures(b) - NombreLigatures(a);
    ecart += Deplie(a) != Deplie(b) && x == y ? 1 : 0;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) ecart += x[i] != y[i];
    return ecart;
}

void Compter(BilanGraphies& bilan, const GenresChangement& genres) {
    ++bilan.vedettes;
    bilan.ligatures += genres.ligature;
    bilan.accents += genres.accent;
    bilan.tremas += genres.trema;
    bilan.traits += genres.trait;
}

unsigned EmploisEntree(const std::string& morphologie) {
    unsigned emplois = 0;
    for (const std::string& po : ChampsMorphologiques(morphologie, "po")) {
        if (po == "nom") emplois |= EmploiNom;
        else if (po == "adj") emplois |= EmploiAdjectif;
        else if (po.size() >= 2 && po[0] == 'v' && po[1] >= '0' && po[1] <= '9') emplois |= EmploiVerbe;
        else if (po.compare(0, 3, "adv") == 0 || po == "negadv") emplois |= EmploiAdverbe;
        else if (po.compare(0, 3, "pro") == 0 || po.compare(0, 3, "det") == 0 || po.compare(0, 4, "prep") == 0 ||
                 po.compare(0, 2, "cj") == 0 || po == "interj")
            emplois |= EmploiGrammatical;
    }
    return emplois;
}

bool EstParticipePasse(const std::string& morphologie) {
    const auto po = ChampsMorphologiques(morphologie, "po");
    return std::find(po.begin(), po.end(), "ppas") != po.end();
}

// What a known spelling must be known as to replace the headword of an
// article of this category; an article of no category the builder reads
// takes an entry of the spelling dictionary of any category.
unsigned EmploiRequis(const std::string& categorie) {
    const std::string cle = CleCategorie(categorie);
    if (cle == "NOM") return EmploiNom;
    if (cle == "ADJECTIF") return EmploiAdjectif;
    if (cle == "VERBE") return EmploiVerbe;
    if (cle == "PARTICIPE") return EmploiParticipe | EmploiAdjectif;
    if (cle == "ADVERBE") return EmploiAdverbe;
    if (cle == "PRONOM" || cle == "ARTICLE" || cle == "PREPOSITION" || cle == "CONJONCTION" || cle == "INTERJECTION")
        return EmploiGrammatical;
    return EmploiLemme;
}

// A known spelling fits a headword when it is known in the category of
// every article of the headword that has one.
bool Convient(unsigned emplois, const std::vector<unsigned>& requis) {
    bool categorieDite = false;
    for (unsigned r : requis) {
        if (r == EmploiLemme) continue;
        categorieDite = true;
        if ((emplois & r) == 0) return false;
    }
    return categorieDite || (emplois & EmploiLemme) != 0;
}

// An accent gained or lost on the last letter ("charites" and "charit\xE9s",
// "gracieus\xE9" and "gracieuse") makes another word, not another spelling.
bool FinChangee(const std::string& ancienne, const std::string& moderne) {
    const std::string a = SansTraits(Deplie(ancienne)), b = SansTraits(Deplie(moderne));
    if (a.empty() || a.size() != b.size()) return false;
    std::size_t derniere = a.size() - 1;
    if (derniere > 0 && (a[derniere] == 's' || a[derniere] == 'x')) --derniere;
    return a[derniere] != b[derniere];
}

// Affixes ("anti-", "-ois") and locutions keep the Littré's form: their
// hyphen or blank is part of what they are.
bool Modernisable(const std::string& vedette) {
    return !vedette.empty() && vedette.front() != '-' && vedette.back() != '-' &&
           vedette.find(' ') == std::string::npos;
}

}  // namespace

std::string CleGraphie(const std::string& mot) {
    std::string cle;
    for (unsigned char c : SansTraits(Deplie(mot))) cle += LettreNue(c);
    return cle;
}

bool AutreGraphie(const std::string& a, const std::string& b) {
    return a != b && CleGraphie(a) == CleGraphie(b) && !FinChangee(a, b);
}

GenresChangement ComparerGraphies(const std::string& ancienne, const std::string& moderne) {
    GenresChangement genres;
    genres.ligature = NombreLigatures(ancienne) != NombreLigatures(moderne);
    const std::string a = Deplie(ancienne), b = Deplie(moderne);
    std::string aSansAccents, bSansAccents;
    for (unsigned char c : a) aSansAccents += LettreNue(c);
    for (unsigned char c : b) bSansAccents += LettreNue(c);
    genres.trait = aSansAccents != bSansAccents;
    const std::string x = SansTraits(a), y = SansTraits(b);
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        if (x[i] == y[i]) continue;
        if (Trema(static_cast<unsigned char>(x[i])) || Trema(static_cast<unsigned char>(y[i]))) genres.trema = true;
        else genres.accent = true;
    }
    return genres;
}

BilanGraphies ModerniserGraphies(std::vector<Article>& articles, const GraphiesConnues& connues) {
    BilanGraphies bilan;
    std::map<std::string, std::vector<unsigned>> vedettes;  // headword -> what each of its articles requires
    for (const Article& article : articles) vedettes[article.mot].push_back(EmploiRequis(article.categorie));
    std::map<std::string, std::vector<std::pair<const std::string*, unsigned>>> parCle;
    for (const auto& [mot, emplois] : connues)
        if (emplois != 0) parCle[CleGraphie(mot)].emplace_back(&mot, emplois);

    std::map<std::string, std::string> nouvelles;  // headword -> today's spelling
    for (const auto& [vedette, requis] : vedettes) {
        if (connues.count(vedette) || !Modernisable(vedette)) continue;
        const auto candidats = parCle.find(CleGraphie(vedette));
        if (candidats == parCle.end()) continue;
        const std::string* meilleur = nullptr;
        std::size_t meilleurEcart = 0;
        bool egalite = false;
        for (const auto& [candidat, emplois] : candidats->second) {
            if (!Convient(emplois, requis) || FinChangee(vedette, *candidat)) continue;
            const std::size_t ecart = Ecart(vedette, *candidat);
            if (!meilleur || ecart < meilleurEcart) {
                meilleur = candidat;
                meilleurEcart = ecart;
                egalite = false;
            } else if (ecart == meilleurEcart) {
                egalite = true;
            }
        }
        if (!meilleur) continue;
        if (egalite) {
            ++bilan.ambigus;
            continue;
        }
        if (vedettes.count(*meilleur)) continue;
        nouvelles[vedette] = *meilleur;
    }
    for (Article& article : articles) {
        const auto nouvelle = nouvelles.find(article.mot);
        if (nouvelle != nouvelles.end()) Reecrire(article, nouvelle->first, nouvelle->second);
    }
    for (const auto& [ancienne, moderne] : nouvelles) {
        Compter(bilan, ComparerGraphies(ancienne, moderne));
        bilan.anciennes[ancienne] = moderne;
    }
    return bilan;
}

void IndexerAnciennesGraphies(const BilanGraphies& bilan, const std::vector<Article>& articles,
                              std::map<std::string, std::vector<std::string>>& index) {
    for (const auto& [ancienne, moderne] : bilan.anciennes) {
        std::vector<std::string>& vedettes = index[ancienne];
        vedettes.erase(std::remove(vedettes.begin(), vedettes.end(), moderne), vedettes.end());
        vedettes.insert(vedettes.begin(), moderne);
    }
    std::set<std::string> vedettes;
    for (const Article& article : articles) vedettes.insert(article.mot);
    std::map<std::string, std::vector<std::string>> sansLigatures;
    for (const std::string& vedette : vedettes)
        if (NombreLigatures(vedette) > 0) sansLigatures[SansLigatures(vedette)] = {vedette};
    for (const auto& [forme, liste] : index)
        if (NombreLigatures(forme) > 0) sansLigatures.emplace(SansLigatures(forme), liste);
    for (auto& [forme, liste] : sansLigatures)
        if (!vedettes.count(forme) && !index.count(forme)) index.emplace(forme, std::move(liste));
}

GraphiesConnues GraphiesHunspell(const DictionnaireHunspell& dictionnaire) {
    GraphiesConnues graphies;
    std::string mot, forme;
    for (const EntreeHunspell& entree : dictionnaire.Entrees()) {
        if (!CodePointsVersCp1252(entree.mot, mot)) continue;
        const unsigned emplois = EmploisEntree(entree.morphologie);
        for (const FormeHunspell& fh : dictionnaire.Developper(entree, false)) {
            if (!CodePointsVersCp1252(fh.forme, forme)) continue;
            unsigned& connus = graphies[forme];
            if (forme == mot) connus |= EmploiLemme | emplois;
            else if ((emplois & EmploiVerbe) && EstParticipePasse(fh.morphologie)) connus |= EmploiParticipe;
        }
    }
    return graphies;
}

std::string TexteBilanGraphies(const BilanGraphies& bilan) {
    char texte[320];
    std::snprintf(texte, sizeof texte,
                  "  graphies modernis\xC3\xA9\x65s    %zu (ligature %zu, accent %zu, tr\xC3\xA9ma %zu, trait d'union %zu)\n"
                  "  graphies ambigu\xC3\xABs laiss\xC3\xA9\x65s %zu\n",
                  bilan.vedettes, bilan.ligatures, bilan.accents, bilan.tremas, bilan.traits, bilan.ambigus);
    return texte;
}
