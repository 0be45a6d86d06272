#include "approx/bench/BancFautes.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "text/Cp1252.h"

namespace {
std::vector<std::string> Decouper(const std::string& texte, char separateur) {
    std::vector<std::string> parties;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find(separateur, debut);
        parties.push_back(texte.substr(debut, fin - debut));
        if (fin == std::string::npos) return parties;
        debut = fin + 1;
    }
}

// î and û lost their circumflex in the 1990 spellings that hunspell also knows.
std::string SansCirconflexeIU(std::string mot) {
    for (char& c : mot) {
        if (c == '\xEE') c = 'i';
        else if (c == '\xFB') c = 'u';
    }
    return mot;
}

// One "& word count offset: s1, s2, ..." line: its suggestions.
std::vector<std::string> SuggestionsLigne(const std::string& ligne) {
    const std::size_t deuxPoints = ligne.find(": ");
    if (ligne.empty() || ligne[0] != '&' || deuxPoints == std::string::npos) return {};
    std::vector<std::string> suggestions;
    for (const std::string& s : Decouper(ligne.substr(deuxPoints + 2), ','))
        suggestions.push_back(Utf8VersCp1252(s.size() > 0 && s[0] == ' ' ? s.substr(1) : s));
    return suggestions;
}
}  // namespace

bool LireFautes(const std::string& chemin, std::vector<Faute>& fautes) {
    std::ifstream fichier(chemin);
    if (!fichier) return false;
    std::string ligne;
    while (std::getline(fichier, ligne)) {
        if (ligne.empty() || ligne[0] == '#') continue;
        const std::vector<std::string> champs = Decouper(ligne, '\t');
        if (champs.size() != 3 || champs[0].empty() || champs[1].empty()) return false;
        Faute faute{Utf8VersCp1252(champs[0]), {}, champs[2]};
        for (const std::string& voulu : Decouper(champs[1], '|')) faute.voulus.push_back(Utf8VersCp1252(voulu));
        fautes.push_back(faute);
    }
    return !fautes.empty();
}

// The words go through a file, so that no pipe fills up while the other end
// waits. '^' before each keeps a line from being read as a command.
std::vector<std::vector<std::string>> SuggestionsHunspell(const std::vector<Faute>& fautes) {
    namespace fs = std::filesystem;
    const fs::path entree = fs::temp_directory_path() / ("vocalia-banc-" + std::to_string(::getpid()));
    {
        std::ofstream f(entree);
        for (const Faute& faute : fautes) f << '^' << Cp1252VersUtf8(faute.tape) << '\n';
    }
    std::vector<std::vector<std::string>> resultats;
    const std::string commande = "hunspell -a -d fr < " + entree.string() + " 2>/dev/null";
    if (FILE* sortie = ::popen(commande.c_str(), "r")) {
        std::string texte;
        char tampon[4096];
        std::size_t lus;
        while ((lus = std::fread(tampon, 1, sizeof tampon, sortie)) > 0) texte.append(tampon, lus);
        ::pclose(sortie);
        // A banner line, then one block per word, each ended by an empty
        // line; a word the checker cuts in two gives a block of several lines.
        std::vector<std::string> bloc;
        bool dansBloc = false;
        const std::vector<std::string> lignes = Decouper(texte, '\n');
        for (std::size_t i = 1; i < lignes.size(); ++i) {
            if (lignes[i].empty()) {
                if (dansBloc) resultats.push_back(bloc);
                bloc.clear();
                dansBloc = false;
                continue;
            }
            if (bloc.empty()) bloc = SuggestionsLigne(lignes[i]);
            dansBloc = true;
        }
    }
    fs::remove(entree);
    if (resultats.size() != fautes.size()) return {};
    return resultats;
}

int PlaceVoulue(const Faute& faute, const std::vector<std::string>& propositions) {
    for (std::size_t i = 0; i < propositions.size(); ++i)
        for (const std::string& voulu : faute.voulus)
            if (SansCirconflexeIU(propositions[i]) == SansCirconflexeIU(voulu)) return static_cast<int>(i);
    return -1;
}
