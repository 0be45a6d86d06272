#include "tools/donnees/AuditTexte.h"

#include "text/Cp1252.h"
#include "tools/donnees/GraphiesTexte.h"
#include "tools/donnees/ReparationsSens.h"
#include "tools/donnees/TexteLittre.h"

namespace {

std::string Extrait(const Article& article, const std::string& texte) {
    return article.mot + " : " + texte.substr(0, 90);
}

void AfficherConstat(std::FILE* sortie, const char* libelle, const ConstatAudit& constat, std::size_t exemples) {
    std::fprintf(sortie, "  %-48s %zu\n", libelle, constat.nombre);
    for (std::size_t k = 0; k < constat.exemples.size() && k < exemples; ++k)
        std::fprintf(sortie, "      %s\n", Cp1252VersUtf8(constat.exemples[k]).c_str());
}

bool Colles(const std::string& texte) {
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (JointureDeSens(texte, i)) return true;
    return false;
}

void AuditerSens(const Article& article, AuditTexte& audit) {
    for (std::size_t k = 0; k < article.sens.size(); ++k) {
        const std::string& definition = article.sens[k].definition;
        if ((k > 0 && article.sens[k - 1].definition == definition) || SensRepete(definition))
            audit.sensDoubles.Noter(Extrait(article, definition));
        if (Colles(definition)) audit.sensColles.Noter(Extrait(article, definition));
        bool fragment = FragmentDeTitre(definition);
        for (const std::string& exemple : article.sens[k].exemples) fragment = fragment || FragmentDeTitre(exemple);
        if (fragment) audit.fragmentsDeTitre.Noter(Extrait(article, definition));
        if (EnTeteEnClair(definition) != definition) audit.titresEnSens.Noter(Extrait(article, definition));
        if (PonctuationPendante(definition)) audit.ponctuationPendante.Noter(Extrait(article, definition));
    }
    if (PonctuationPendante(article.etymologie))
        audit.ponctuationPendante.Noter(Extrait(article, article.etymologie));
}

void AuditerLigatures(const std::vector<Article>& articles, const GraphiesConnues& connues, AuditTexte& audit) {
    if (connues.empty()) return;
    const TableGraphiesTexte table = TableGraphies(TextesDesArticles(articles), connues);
    for (const Article& article : articles) {
        const std::string* definition = nullptr;
        const std::string* citation = nullptr;
        for (const Sens& sens : article.sens) {
            if (!definition && LigatureManquante(sens.definition, table)) definition = &sens.definition;
            for (const std::string& exemple : sens.exemples)
                if (!citation && LigatureManquante(exemple, table)) citation = &exemple;
        }
        if (!definition && LigatureManquante(article.etymologie, table)) definition = &article.etymologie;
        if (definition) audit.ligaturesDefinitions.Noter(Extrait(article, *definition));
        if (citation) audit.ligaturesCitations.Noter(Extrait(article, *citation));
    }
}

}  // namespace

bool SensRepete(const std::string& definition) {
    const std::size_t point = definition.find(". ");
    if (point == std::string::npos || point < 12) return false;
    const std::string phrase = definition.substr(0, point + 1);
    return definition.find(phrase, point + 1) != std::string::npos;
}

bool FragmentDeTitre(const std::string& texte) {
    for (std::size_t i = 3; i + 2 < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '|' && EstMajusculeCp1252(texte[i - 1]) && EstMinusculeCp1252(texte[i + 1])) return true;
        if (c != '.' || !EstMinusculeCp1252(texte[i + 1]) || !EstMinusculeCp1252(texte[i + 2])) continue;
        bool mot = true;
        for (std::size_t k = i - 3; k < i; ++k) mot = mot && EstMinusculeCp1252(texte[k]);
        // "etc.", "id.", "lat." come before a blank, not glued to a word.
        if (mot) return true;
    }
    return false;
}

AuditTexte AuditerTexte(const std::vector<Article>& articles, const GraphiesConnues& connues) {
    AuditTexte audit;
    audit.articles = articles.size();
    for (const Article& article : articles) AuditerSens(article, audit);
    AuditerLigatures(articles, connues, audit);
    return audit;
}

void AfficherAuditTexte(std::FILE* sortie, const AuditTexte& audit, std::size_t exemples) {
    AfficherConstat(sortie, "sens doubl\xC3\xA9s", audit.sensDoubles, exemples);
    AfficherConstat(sortie, "sens coll\xC3\xA9s", audit.sensColles, exemples);
    AfficherConstat(sortie, "fragments de titre", audit.fragmentsDeTitre, exemples);
    AfficherConstat(sortie, "titres imprim\xC3\xA9s comme sens", audit.titresEnSens, exemples);
    AfficherConstat(sortie, "ponctuation pendante", audit.ponctuationPendante, exemples);
    AfficherConstat(sortie, "articles \xC3\xA0 oe o\xC3\xB9 hunspell veut \xC5\x93 (texte propre)",
                    audit.ligaturesDefinitions, exemples);
    AfficherConstat(sortie, "articles \xC3\xA0 oe o\xC3\xB9 hunspell veut \xC5\x93 (citations)",
                    audit.ligaturesCitations, exemples);
    const double part = audit.articles == 0 ? 0.0
                                            : 100.0 * double(audit.ligaturesDefinitions.nombre) / double(audit.articles);
    std::fprintf(sortie, "  %-48s %.2f %%\n", "  part des articles (texte propre)", part);
}
