#include "tools/donnees/AuditDonnees.h"

#include <algorithm>
#include <set>
#include <utility>

#include "text/Cp1252.h"
#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/SourceDefinition.h"

namespace {

constexpr std::size_t EXEMPLES_GARDES = 2000;

bool Ponctuation(char c) {
    static const std::string signes = " \t\n.,;:!?-()[]{}'\"\xAB\xBB\x96\x97";
    return signes.find(c) != std::string::npos;
}

bool Minuscule(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7) || c == 0x9C || c == 0xE6; }

std::string Joindre(const std::vector<std::string>& valeurs) {
    std::string texte;
    for (const std::string& valeur : valeurs) texte += (texte.empty() ? "" : ", ") + valeur;
    return texte;
}

std::string Genre(const Article& article) {
    const auto genre = article.attributs.find(ATTRIBUT_GENRE);
    return genre == article.attributs.end() ? "" : genre->second;
}

bool Concorde(const Article& article, const LecturesHunspell& lectures) {
    const LectureHunspell* lecture = lectures.Lecture(article.mot);
    const std::set<std::string> cles = CategoriesComparees(article.categorie);
    return lecture != nullptr && !cles.empty() && CategoriesConcordent(cles, *lecture);
}

void AuditerCategorie(const Article& article, const LecturesHunspell& lectures,
                      const std::set<std::string>& motsConfirmes, Audit& audit) {
    const LectureHunspell* lecture = lectures.Lecture(article.mot);
    if (lecture == nullptr) {
        if (article.categorie.empty()) audit.sansCategorie.Noter(article.mot);
        return;
    }
    ++audit.articlesConnus;
    if (article.categorie.empty()) {
        audit.sansCategorie.Noter(article.mot);
        audit.sansCategorieConnus.Noter(article.mot + " (" + Joindre(lecture->categories) + ")");
        return;
    }
    const std::set<std::string> cles = CategoriesComparees(article.categorie);
    if (cles.empty()) return;  // "LOCUTION" says nothing hunspell could confirm
    if (!CategoriesConcordent(cles, *lecture)) {
        audit.desaccordsCategorie.Noter(article.mot + " (" + article.categorie + " / " +
                                        Joindre(lecture->categories) + ")");
        audit.desaccordsParSorte[article.categorie + " / " + Joindre(lecture->categories)].Noter(article.mot);
        if (!motsConfirmes.count(article.mot))
            audit.desaccordsSansHomographe.Noter(article.mot + " (" + article.categorie + " / " +
                                                 Joindre(lecture->categories) + ")");
        return;
    }
    if (!cles.count(CAT_NOM) || lecture->masculin == lecture->feminin) return;
    const std::string genre = Genre(article);
    if ((genre == "masculin" && !lecture->masculin) || (genre == "f\xE9minin" && !lecture->feminin))
        audit.desaccordsGenre.Noter(article.mot + " (" + genre + ")");
}

void CompterSource(const Article& article, Audit& audit) {
    switch (SourceDeDefinition(article)) {
        case SourceDefinition::Littre: ++audit.definisLittre; break;
        case SourceDefinition::Vocalia: ++audit.definisVocalia; break;
        case SourceDefinition::Aucune: ++audit.sansDefinition; break;
        case SourceDefinition::Commune: ++audit.communes; break;
    }
}

void AuditerSens(const Article& article, Audit& audit) {
    if (article.sens.empty()) audit.sansSens.Noter(article.mot);
    for (const Sens& sens : article.sens) {
        if (ParenthesesDesequilibrees(sens.definition))
            audit.sensParenthesesOuvertes.Noter(article.mot + " : " + sens.definition.substr(0, 70));
        if (SensFragment(sens.definition))
            audit.sensFragments.Noter(article.mot + " : " + sens.definition.substr(0, 70));
    }
}

std::string SansBlancsAutour(const std::string& texte) {
    const std::size_t debut = texte.find_first_not_of(" \n");
    if (debut == std::string::npos) return "";
    return texte.substr(debut, texte.find_last_not_of(" \n") - debut + 1);
}

// "petit, minuscule\ngrand (Littré)" -> petit, minuscule, grand: the
// parenthesis names a source, not a word.
std::vector<std::string> Antonymes(const std::string& texte) {
    std::vector<std::string> mots;
    std::string mot;
    bool entreParentheses = false;
    for (std::size_t i = 0; i <= texte.size(); ++i) {
        const char c = i < texte.size() ? texte[i] : ',';
        if (c == '(') entreParentheses = true;
        else if (c == ')') entreParentheses = false;
        else if (c == ',' || c == ';' || c == '\n') {
            mot = SansBlancsAutour(mot);
            if (!mot.empty()) mots.push_back(mot);
            mot.clear();
        } else if (!entreParentheses) {
            mot += c;
        }
    }
    return mots;
}

void AfficherConstat(std::FILE* sortie, const char* libelle, const ConstatAudit& constat,
                     std::size_t exemples) {
    std::fprintf(sortie, "  %-48s %zu\n", libelle, constat.nombre);
    for (std::size_t k = 0; k < constat.exemples.size() && k < exemples; ++k)
        std::fprintf(sortie, "      %s\n", Cp1252VersUtf8(constat.exemples[k]).c_str());
}

}  // namespace

void ConstatAudit::Noter(const std::string& exemple) {
    ++nombre;
    if (exemples.size() < EXEMPLES_GARDES) exemples.push_back(exemple);
}

bool VedettePonctuee(const std::string& mot) {
    if (mot.empty()) return true;
    auto lettre = [](char c) { return !Ponctuation(c); };
    // A hyphen glued to the word marks an affix ("anti-", "-ment"), an
    // apostrophe an elided form ("o'", "entr'"); a parenthesis may close a
    // qualifier ("Castillon (Canton de Lembeye)").
    const bool debutAffixe = mot.size() > 1 && mot[0] == '-' && lettre(mot[1]);
    const bool finAffixe =
        mot.size() > 1 && (mot.back() == '-' || mot.back() == '\'') && lettre(mot[mot.size() - 2]);
    const bool qualificatif = mot.back() == ')' && mot.find(" (") != std::string::npos;
    return (Ponctuation(mot.front()) && !debutAffixe) ||
           (Ponctuation(mot.back()) && !finAffixe && !qualificatif);
}

bool ParenthesesDesequilibrees(const std::string& texte) {
    int profondeur = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '(') ++profondeur;
        // "a) le pas droit, b) ...": outside any parenthesis, a letter of an enumeration.
        const bool enumeration = profondeur == 0 && i >= 1 && (i == 1 || texte[i - 2] == ' ') &&
                                 Minuscule(static_cast<unsigned char>(texte[i - 1]));
        if (texte[i] == ')' && !enumeration && --profondeur < 0) return true;
    }
    return profondeur != 0;
}

bool SensFragment(const std::string& texte) {
    if (texte.rfind("- ", 0) == 0 || texte.rfind(")", 0) == 0) return true;
    // "ce mot).": lower case, and closing what it never opened.
    if (texte.empty() || !Minuscule(static_cast<unsigned char>(texte[0]))) return false;
    int profondeur = 0;
    for (char c : texte)
        if ((profondeur += c == '(' ? 1 : c == ')' ? -1 : 0) < 0) return true;
    return false;
}

Audit AuditerDonnees(const std::vector<Article>& articles, const FormeIndexee& indexee,
                     const LecturesHunspell& lectures) {
    Audit audit;
    audit.articles = articles.size();
    std::set<std::string> vedettes;
    std::set<std::pair<std::string, std::string>> paires;
    std::set<std::string> motsConfirmes;
    for (const Article& article : articles)
        if (Concorde(article, lectures)) motsConfirmes.insert(article.mot);
    for (const Article& article : articles) {
        vedettes.insert(article.mot);
        if (VedettePonctuee(article.mot)) audit.vedettesPonctuees.Noter("\"" + article.mot + "\"");
        AuditerCategorie(article, lectures, motsConfirmes, audit);
        AuditerSens(article, audit);
        CompterSource(article, audit);
        for (const std::string& antonyme : Antonymes(article.antonymes))
            paires.insert(std::minmax(article.mot, antonyme));
    }
    for (const auto& [a, b] : paires) audit.pairesAntonymes.Noter(a + " / " + b);
    for (const auto& [mot, lecture] : lectures.Toutes()) {
        // Proper names, abbreviations in capitals and forms known only as participles are no headwords.
        if (!lecture.lemme || mot.empty() || !Minuscule(static_cast<unsigned char>(mot[0]))) continue;
        const auto& c = lecture.categories;
        if (std::all_of(c.begin(), c.end(), [](const std::string& x) {
                return x == CAT_PARTICIPE || x == CAT_NOM_PROPRE || x == CAT_AFFIXE;
            }))
            continue;
        if (!vedettes.count(mot) && !indexee(mot)) audit.motsHunspellIntrouvables.Noter(mot);
    }
    return audit;
}

void AuditerNomsPerdus(const NomsPerdusLittre& perdus, const std::vector<Article>& articles,
                       const LecturesHunspell& lectures, Audit& audit) {
    std::set<std::string> vedettes;
    for (const Article& article : articles) vedettes.insert(article.mot);
    audit.nomsPerdusLus = true;
    audit.nomsPerdusIndex = perdus.noms;
    for (const NomPerdu& perdu : perdus.mots) {
        const std::string detail = perdu.mot + " (dans l'article " + perdu.article + ")";
        if (lectures.Lecture(perdu.mot) != nullptr) audit.nomsPerdusConnus.Noter(detail);
        else audit.nomsPerdusInconnus.Noter(detail);
        if (vedettes.count(perdu.mot)) audit.nomsPerdusAvecArticle.Noter(perdu.mot);
    }
}

namespace {

// Every lost name is listed: they are few, and each is a word a reader may miss.
void AfficherNomsPerdus(std::FILE* sortie, const Audit& audit, std::size_t exemples) {
    if (!audit.nomsPerdusLus) return;
    std::fprintf(sortie, "  %-48s %zu\n", "noms de l'index du Littr\xC3\xA9 sans leur article", audit.nomsPerdusIndex);
    std::fprintf(sortie, "  %-48s %zu\n", "  mots distincts",
                 audit.nomsPerdusConnus.nombre + audit.nomsPerdusInconnus.nombre);
    const std::size_t tous = exemples > 0 ? EXEMPLES_GARDES : 0;
    AfficherConstat(sortie, "  dont mots connus de hunspell", audit.nomsPerdusConnus, tous);
    AfficherConstat(sortie, "  dont mots inconnus de hunspell", audit.nomsPerdusInconnus, tous);
    AfficherConstat(sortie, "  qui ont maintenant un article", audit.nomsPerdusAvecArticle, 0);
}

}  // namespace

void AfficherAudit(std::FILE* sortie, const Audit& audit, std::size_t exemples) {
    std::fprintf(sortie, "  %-48s %zu\n", "articles", audit.articles);
    std::fprintf(sortie, "  %-48s %zu\n", "  d\xC3\xA9\x66inis par le Littr\xC3\xA9", audit.definisLittre);
    std::fprintf(sortie, "  %-48s %zu\n", "  d\xC3\xA9\x66inis par Vocalia", audit.definisVocalia);
    std::fprintf(sortie, "  %-48s %zu\n", "  sans d\xC3\xA9\x66inition", audit.sansDefinition);
    std::fprintf(sortie, "  %-48s %zu\n", "  communes", audit.communes);
    std::fprintf(sortie, "  %-48s %zu\n", "articles dont hunspell conna\xC3\xAEt le mot", audit.articlesConnus);
    const double part = audit.articlesConnus == 0
                            ? 0.0
                            : 100.0 * double(audit.desaccordsCategorie.nombre) / double(audit.articlesConnus);
    AfficherConstat(sortie, "d\xC3\xA9saccords de cat\xC3\xA9gorie avec hunspell", audit.desaccordsCategorie, 0);
    std::fprintf(sortie, "  %-48s %.2f %%\n", "  part des articles connus", part);
    AfficherConstat(sortie, "  dont mots sans aucun article confirm\xC3\xA9", audit.desaccordsSansHomographe,
                    exemples);
    std::fprintf(sortie, "  %-48s %.2f %%\n", "  part des articles connus",
                 audit.articlesConnus == 0 ? 0.0
                                           : 100.0 * double(audit.desaccordsSansHomographe.nombre) /
                                                 double(audit.articlesConnus));
    if (exemples > 0) {
        std::vector<std::pair<std::string, const ConstatAudit*>> sortes;
        for (const auto& [sorte, constat] : audit.desaccordsParSorte) sortes.emplace_back(sorte, &constat);
        std::stable_sort(sortes.begin(), sortes.end(),
                         [](const auto& a, const auto& b) { return a.second->nombre > b.second->nombre; });
        for (const auto& [sorte, constat] : sortes) {
            std::string ligne;
            for (std::size_t k = 0; k < constat->exemples.size() && k < exemples; ++k)
                ligne += (k ? ", " : "") + constat->exemples[k];
            std::fprintf(sortie, "    %6zu  %s : %s\n", constat->nombre, Cp1252VersUtf8(sorte).c_str(),
                         Cp1252VersUtf8(ligne).c_str());
        }
    }
    AfficherConstat(sortie, "d\xC3\xA9saccords de genre avec hunspell", audit.desaccordsGenre, exemples);
    AfficherConstat(sortie, "articles sans cat\xC3\xA9gorie", audit.sansCategorie, exemples);
    AfficherConstat(sortie, "  dont mots connus de hunspell", audit.sansCategorieConnus, exemples);
    AfficherConstat(sortie, "articles sans sens", audit.sansSens, exemples);
    AfficherConstat(sortie, "vedettes \xC3\xA0 ponctuation parasite", audit.vedettesPonctuees, exemples);
    AfficherConstat(sortie, "sens aux parenth\xC3\xA8ses d\xC3\xA9s\xC3\xA9quilibr\xC3\xA9\x65s",
                    audit.sensParenthesesOuvertes, exemples);
    AfficherConstat(sortie, "sens qui commencent par un fragment", audit.sensFragments, exemples);
    AfficherConstat(sortie, "mots de hunspell sans article ni forme index\xC3\xA9\x65",
                    audit.motsHunspellIntrouvables, exemples);
    AfficherConstat(sortie, "paires d'antonymes", audit.pairesAntonymes, exemples);
    AfficherNomsPerdus(sortie, audit, exemples);
}
