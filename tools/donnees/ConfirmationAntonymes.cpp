#include "tools/donnees/ConfirmationAntonymes.h"

#include <algorithm>

namespace {
using Paire = std::pair<std::string, std::string>;
Paire Ordonnee(const std::string& a, const std::string& b) { return a < b ? Paire{a, b} : Paire{b, a}; }
}  // namespace

bool ContrasteDeForme(const std::string& a, const std::string& b) {
    // Learned prefixes of opposite meaning, as the opposition phrases pair them.
    static const std::pair<const char*, const char*> prefixes[] = {
        {"in", "ex"},        {"ins", "ex"},         {"im", "ex"},          {"en", "ex"},
        {"\xE9n", "ex"},     {"im", "\xE9"},        {"intra", "extra"},    {"endo", "exo"},
        {"\xE9so", "exo"},
        {"mono", "poly"},    {"macro", "micro"},    {"homo", "h\xE9t\xE9ro"}, {"ortho", "h\xE9t\xE9ro"},
        {"auto", "h\xE9t\xE9ro"}, {"hyper", "hypo"}, {"pro", "anti"},      {"eu", "caco"},
        {"as", "des"},       {"as", "dis"},         {"con", "di"},         {"pro", "r\xE9"},
        {"in", "d\xE9"},     {"pr\xE9", "post"},    {"ant\xE9", "post"},   {"ana", "cata"},
        {"cata", "apo"},     {"cis", "trans"}};
    const auto forme = [](const std::string& mot, const char* prefixe, std::string& reste) {
        const std::size_t n = std::char_traits<char>::length(prefixe);
        if (mot.compare(0, n, prefixe) != 0) return false;
        reste = mot.substr(n);
        return true;
    };
    for (const auto& [p1, p2] : prefixes) {
        std::string resteA, resteB;
        if (((forme(a, p1, resteA) && forme(b, p2, resteB)) || (forme(a, p2, resteA) && forme(b, p1, resteB))) &&
            resteA == resteB && resteA.size() >= 3)
            return true;
    }
    return false;
}

ConfirmationAntonymes::ConfirmationAntonymes(const std::vector<PaireAntonymes>& bonnes,
                                             const std::vector<EntreeThesaurus>& thesaurus) {
    for (const EntreeThesaurus& entree : thesaurus)
        for (const GroupeSynonymes& groupe : entree.groupes)
            synonymes_[entree.mot].insert(groupe.synonymes.begin(), groupe.synonymes.end());
    for (const PaireAntonymes& p : bonnes) {
        contraires_[p.premier].insert(p.second);
        contraires_[p.second].insert(p.premier);
        bonnes_.insert(Ordonnee(p.premier, p.second));
    }
}

bool ConfirmationAntonymes::SynonymesMutuels(const std::string& a, const std::string& b) const {
    const auto sa = synonymes_.find(a), sb = synonymes_.find(b);
    return sa != synonymes_.end() && sb != synonymes_.end() && sa->second.count(b) && sb->second.count(a);
}

// A good source opposes `mot` to a synonym of `autre`.
bool ConfirmationAntonymes::OpposeAUnSynonyme(const std::string& mot, const std::string& autre) const {
    const auto trouve = contraires_.find(mot);
    if (trouve == contraires_.end()) return false;
    return std::any_of(trouve->second.begin(), trouve->second.end(),
                       [&](const std::string& c) { return c != autre && SynonymesMutuels(c, autre); });
}

std::vector<PaireAntonymes> ConfirmationAntonymes::Confirmer(const std::vector<PaireAntonymes>& faibles,
                                                             const std::vector<PaireAntonymes>& autres,
                                                             bool parLaForme) const {
    std::set<Paire> autresPaires;
    for (const PaireAntonymes& p : autres) autresPaires.insert(Ordonnee(p.premier, p.second));
    std::vector<PaireAntonymes> confirmees;
    for (const PaireAntonymes& p : faibles) {
        const Paire paire = Ordonnee(p.premier, p.second);
        if (bonnes_.count(paire) || autresPaires.count(paire) ||
            (OpposeAUnSynonyme(p.premier, p.second) && OpposeAUnSynonyme(p.second, p.premier)) ||
            (parLaForme && ContrasteDeForme(p.premier, p.second)))
            confirmees.push_back(p);
    }
    return confirmees;
}
