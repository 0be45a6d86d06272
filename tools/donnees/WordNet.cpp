#include "tools/donnees/WordNet.h"

#include <cstdlib>
#include <map>
#include <sstream>

#include "text/FichiersTexte.h"

namespace {

struct Pointeur {
    std::size_t source;  // 1-based word of this synset
    std::string cible;   // synset offset
    std::size_t mot;     // 1-based word of the target synset
};

struct Synset {
    std::vector<std::string> mots;
    std::vector<Pointeur> antonymes;
};

std::string MotLisible(std::string mot) {
    const std::size_t parenthese = mot.find('(');
    if (parenthese != std::string::npos) mot.erase(parenthese);
    for (char& c : mot) {
        if (c == '_') c = ' ';
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return mot;
}

bool LireSynset(const std::string& ligne, std::string& decalage, Synset& synset) {
    std::istringstream champs(ligne.substr(0, ligne.find(" | ")));
    std::string fichierLexical, type, nombreHexa;
    if (!(champs >> decalage >> fichierLexical >> type >> nombreHexa)) return false;
    const unsigned long mots = std::strtoul(nombreHexa.c_str(), nullptr, 16);
    for (unsigned long i = 0; i < mots; ++i) {
        std::string mot, numero;
        if (!(champs >> mot >> numero)) return false;
        synset.mots.push_back(MotLisible(mot));
    }
    std::size_t pointeurs = 0;
    if (!(champs >> pointeurs)) return false;
    for (std::size_t i = 0; i < pointeurs; ++i) {
        std::string symbole, cible, categorie, sourceCible;
        if (!(champs >> symbole >> cible >> categorie >> sourceCible) || sourceCible.size() != 4) return false;
        if (symbole != "!") continue;
        const unsigned long source = std::strtoul(sourceCible.substr(0, 2).c_str(), nullptr, 16);
        const unsigned long mot = std::strtoul(sourceCible.substr(2).c_str(), nullptr, 16);
        if (source > 0 && mot > 0) synset.antonymes.push_back({source, cible, mot});
    }
    return true;
}

}  // namespace

std::vector<AntonymesAnglais> LireAntonymesWordNet(std::string_view texte) {
    std::map<std::string, Synset> synsets;
    std::istringstream lignes{std::string(texte)};
    std::string ligne;
    while (std::getline(lignes, ligne)) {
        if (ligne.empty() || ligne[0] == ' ') continue;
        std::string decalage;
        Synset synset;
        if (LireSynset(ligne, decalage, synset)) synsets[decalage] = std::move(synset);
    }
    std::vector<AntonymesAnglais> paires;
    for (const auto& [decalage, synset] : synsets)
        for (const Pointeur& p : synset.antonymes) {
            const auto cible = synsets.find(p.cible);
            if (cible == synsets.end() || p.source > synset.mots.size() || p.mot > cible->second.mots.size())
                continue;
            paires.push_back({synset.mots[p.source - 1], cible->second.mots[p.mot - 1]});
        }
    return paires;
}

std::vector<AntonymesAnglais> ChargerAntonymesWordNet(const std::string& chemin) {
    std::string texte;
    if (!LireFichierEntier(chemin, texte)) return {};
    return LireAntonymesWordNet(texte);
}
