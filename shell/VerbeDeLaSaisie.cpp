#include "shell/VerbeDeLaSaisie.h"

#include <optional>
#include <vector>

#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "rendu/RenduArticle.h"

namespace {
bool AUnArticleVerbe(const SourcesArticles& sources, const std::string& mot) {
    if (mot.empty()) return false;
    // No sequential fallback: this runs at every key typed.
    for (const Article& article : sources.dictionnaire.TrouverArticles(mot))
        if (EstVerbe(article)) return true;
    return false;
}


// The verb the box's text is, or is a form of; empty when none.
std::string VerbeTape(const SourcesArticles& sources, const std::string& saisie) {
    if (AUnArticleVerbe(sources, saisie)) return saisie;
    if (const std::optional<std::vector<std::string>> lemmes = sources.flexions.Lemmes(saisie))
        for (const std::string& lemme : *lemmes)
            if (AUnArticleVerbe(sources, lemme)) return lemme;
    return {};
}
}  // namespace

std::string VerbeDeLaSaisie(const std::string& saisie, const std::string& motAffiche) {
    return VerbeDeLaSaisie(SourcesParDefaut(), saisie, motAffiche);
}

std::string VerbeDeLaSaisie(const SourcesArticles& sources, const std::string& saisie, const std::string& motAffiche) {
    if (std::string verbe = VerbeTape(sources, saisie); !verbe.empty()) return verbe;
    if (AUnArticleVerbe(sources, motAffiche)) return motAffiche;
    return saisie;
}

bool SaisieDonneUnVerbe(const std::string& saisie) { return SaisieDonneUnVerbe(SourcesParDefaut(), saisie); }

bool SaisieDonneUnVerbe(const SourcesArticles& sources, const std::string& saisie) {
    return !VerbeTape(sources, saisie).empty();
}
