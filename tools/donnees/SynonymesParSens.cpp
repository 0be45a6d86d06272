#include "tools/donnees/SynonymesParSens.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "tools/donnees/Flexions.h"

namespace {

struct Relations {
    std::unordered_map<std::string, std::unordered_set<std::string>> synonymes;
    std::unordered_map<std::string, std::set<std::string>> categories;

    bool Liees(const std::string& a, const std::string& b) const {
        auto cite = [this](const std::string& x, const std::string& y) {
            const auto trouve = synonymes.find(x);
            return trouve != synonymes.end() && trouve->second.count(y) != 0;
        };
        return cite(a, b) || cite(b, a);
    }
};

Relations LireRelations(const std::vector<EntreeThesaurus>& entrees) {
    Relations relations;
    for (const EntreeThesaurus& entree : entrees)
        for (const GroupeSynonymes& groupe : entree.groupes) {
            relations.synonymes[entree.mot].insert(groupe.synonymes.begin(), groupe.synonymes.end());
            relations.categories[entree.mot].insert(groupe.categories.begin(), groupe.categories.end());
        }
    return relations;
}

bool Rejoint(const std::vector<std::string>& sens, const std::string& mot, const Relations& relations) {
    if (relations.Liees(mot, sens.front())) return true;
    const std::size_t requis = std::min<std::size_t>(2, sens.size());
    std::size_t liens = 0;
    for (const std::string& autre : sens)
        if (relations.Liees(mot, autre) && ++liens >= requis) return true;
    return false;
}

// The group's categories that at least half of the words filed in the
// thesaurus have; all of them when none of the words is filed.
std::vector<std::string> CategoriesDuSens(const std::vector<std::string>& sens,
                                          const std::vector<std::string>& categoriesGroupe,
                                          const Relations& relations) {
    std::size_t classes = 0;
    std::vector<std::size_t> comptes(categoriesGroupe.size(), 0);
    for (const std::string& mot : sens) {
        const auto trouve = relations.categories.find(mot);
        if (trouve == relations.categories.end() || trouve->second.empty()) continue;
        ++classes;
        for (std::size_t k = 0; k < categoriesGroupe.size(); ++k) comptes[k] += trouve->second.count(categoriesGroupe[k]);
    }
    if (classes == 0) return categoriesGroupe;
    std::vector<std::string> retenues;
    for (std::size_t k = 0; k < categoriesGroupe.size(); ++k)
        if (2 * comptes[k] >= classes) retenues.push_back(categoriesGroupe[k]);
    return retenues.empty() ? categoriesGroupe : retenues;
}

// A word the thesaurus does not describe says nothing of where a meaning
// ends: it stays with the words before it. A word alone is no meaning: it
// joins its neighbours.
std::vector<std::vector<std::string>> Sens(const std::vector<std::string>& synonymes, const Relations& relations) {
    std::vector<std::vector<std::string>> sens;
    for (const std::string& mot : synonymes) {
        const bool decrit = relations.synonymes.count(mot) != 0;
        if (!sens.empty() && (!decrit || Rejoint(sens.back(), mot, relations))) sens.back().push_back(mot);
        else sens.push_back({mot});
    }
    std::vector<std::vector<std::string>> regroupes;
    for (std::vector<std::string>& mots : sens) {
        if (mots.size() == 1 && !regroupes.empty()) regroupes.back().push_back(std::move(mots[0]));
        else regroupes.push_back(std::move(mots));
    }
    if (regroupes.size() > 1 && regroupes[0].size() == 1) {
        regroupes[1].insert(regroupes[1].begin(), std::move(regroupes[0][0]));
        regroupes.erase(regroupes.begin());
    }
    return regroupes;
}

std::vector<GroupeSynonymes> Decouper(const GroupeSynonymes& groupe, const Relations& relations) {
    std::vector<std::vector<std::string>> sens = Sens(groupe.synonymes, relations);
    if (sens.size() <= 1) return {groupe};
    std::vector<GroupeSynonymes> groupes;
    for (std::vector<std::string>& mots : sens) {
        GroupeSynonymes nouveau;
        nouveau.categories = groupe.categories.empty() ? groupe.categories
                                                       : CategoriesDuSens(mots, groupe.categories, relations);
        nouveau.glose = true;
        nouveau.synonymes = std::move(mots);
        groupes.push_back(std::move(nouveau));
    }
    return groupes;
}

}  // namespace

std::vector<std::string> SansFormesFlechies(const std::vector<std::string>& synonymes,
                                            const std::set<std::string>& cites, const TableFlexions& flexions) {
    std::unordered_set<std::string> formes;
    for (const std::string& mot : cites)
        for (const std::string& forme : flexions.Formes(mot))
            if (forme != mot) formes.insert(forme);
    std::vector<std::string> gardes;
    for (const std::string& synonyme : synonymes)
        if (!formes.count(synonyme) || flexions.Connu(synonyme)) gardes.push_back(synonyme);
    return gardes;
}

void DecouperParSens(std::vector<EntreeThesaurus>& entrees, const TableFlexions& flexions) {
    const Relations relations = LireRelations(entrees);
    for (EntreeThesaurus& entree : entrees) {
        std::set<std::string> cites{entree.mot};
        for (const GroupeSynonymes& groupe : entree.groupes) cites.insert(groupe.synonymes.begin(), groupe.synonymes.end());
        std::vector<GroupeSynonymes> groupes;
        for (GroupeSynonymes& groupe : entree.groupes) {
            groupe.synonymes = SansFormesFlechies(groupe.synonymes, cites, flexions);
            if (groupe.synonymes.empty()) continue;
            for (GroupeSynonymes& sens : Decouper(groupe, relations)) groupes.push_back(std::move(sens));
        }
        // Beside glossed meanings, a group of the thesaurus's own is glossed too.
        if (groupes.size() > 1)
            for (GroupeSynonymes& groupe : groupes) groupe.glose = true;
        entree.groupes = std::move(groupes);
    }
}
