#include "tools/donnees/MotsModernes.h"

#include <algorithm>

#include "tools/donnees/Flexions.h"

const char* const DebutSensSynonymesSeuls = "Seuls des synonymes de ce mot sont connus : ";

namespace {

bool Minuscule(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7) || c == 0x9C || c == 0xE6;
}

}  // namespace

bool MotAjoutable(const std::string& mot) {
    if (mot.empty() || !Minuscule(static_cast<unsigned char>(mot[0]))) return false;
    return std::all_of(mot.begin(), mot.end(), [](char c) {
        const unsigned char o = static_cast<unsigned char>(c);
        return Minuscule(o) || o == '-' || o == '\'';
    });
}

Article ArticleMotModerne(const std::string& mot, const std::string& categorie, const std::string& genre,
                          const std::vector<GroupeSynonymes>& groupes) {
    Article article;
    article.mot = mot;
    article.categorie = categorie;
    if (!genre.empty()) article.attributs[CleGenre] = genre;
    std::string premiers;
    if (!groupes.empty()) {
        const auto& synonymes = groupes.front().synonymes;
        for (std::size_t k = 0; k < synonymes.size() && k < SynonymesDansLeSens; ++k)
            premiers += (premiers.empty() ? "" : ", ") + synonymes[k];
    }
    article.sens.push_back(Sens{DebutSensSynonymesSeuls + premiers + ".", {}});
    article.synonymes = TexteSynonymes(groupes);
    return article;
}

std::vector<Sens> SensVoirAussi(const std::set<std::string>& vedettes) {
    if (vedettes.empty()) return {};
    std::string liste;
    for (const std::string& vedette : vedettes) liste += (liste.empty() ? "" : ", ") + vedette;
    return {Sens{"Voir aussi : " + liste + ".", {}}};
}

bool ParticipeDUneVedette(const std::string& mot, const std::set<std::string>& vedettes,
                          const TableFlexions& flexions) {
    return std::any_of(vedettes.begin(), vedettes.end(),
                       [&](const std::string& vedette) { return flexions.ParticipeDe(mot, vedette); });
}
