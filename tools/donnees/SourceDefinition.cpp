#include "tools/donnees/SourceDefinition.h"

#include <algorithm>

#include "tools/donnees/Communes.h"
#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/MotsSansArticle.h"

const char* const TEXTE_SOURCE_VOCALIA = "\x97 d\xE9" "finition de Vocalia";
const char* const DEBUT_SENS_RENVOI = "Voir aussi : ";

namespace {
bool Commence(const std::string& texte, const char* debut) { return texte.rfind(debut, 0) == 0; }

bool ArticleCommune(const Article& article) {
    return article.categorie == CategorieCommune && !article.sens.empty() &&
           Commence(article.sens.front().definition, "Commune fran\xE7" "aise");
}
}  // namespace

bool SensSansDefinition(const std::string& definition) {
    return definition == SensMotSansArticle || Commence(definition, DebutSensSynonymesSeuls);
}

bool SensRenvoi(const std::string& definition) { return Commence(definition, DEBUT_SENS_RENVOI); }

SourceDefinition SourceDeDefinition(const Article& article) {
    const auto source = article.attributs.find(ATTRIBUT_SOURCE);
    if (source != article.attributs.end() && source->second == TEXTE_SOURCE_VOCALIA) return SourceDefinition::Vocalia;
    if (ArticleCommune(article)) return SourceDefinition::Commune;
    const auto& sens = article.sens;
    const bool manque = std::any_of(sens.begin(), sens.end(), [](const Sens& s) { return SensSansDefinition(s.definition); });
    const bool rienDAutre = std::all_of(sens.begin(), sens.end(), [](const Sens& s) {
        return SensSansDefinition(s.definition) || SensRenvoi(s.definition);
    });
    return manque && rienDAutre ? SourceDefinition::Aucune : SourceDefinition::Littre;
}
