#pragma once
// Runs vocalia-script (VOCALIA_SCRIPT) on the embedded real data with the
// given commands on its standard input, for the real-data checks.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Standard output of one session; stderr (trace lines) is dropped.
inline std::string SortieSessionScript(const std::string& commandes) {
    namespace fs = std::filesystem;
    const fs::path fichier = fs::temp_directory_path() / ("vocalia-session-" + std::to_string(::getpid()));
    {
        std::ofstream f(fichier);
        f << commandes;
    }
    const std::string ligne = std::string(VOCALIA_SCRIPT) + " < " + fichier.string() + " 2>/dev/null";
    std::string texte;
    if (FILE* sortie = ::popen(ligne.c_str(), "r")) {
        char tampon[4096];
        std::size_t lus;
        while ((lus = std::fread(tampon, 1, sizeof tampon, sortie)) > 0) texte.append(tampon, lus);
        ::pclose(sortie);
    }
    fs::remove(fichier);
    return texte;
}

// What one "montrer" shows: the chosen word and the definition pane.
struct VueScript {
    std::string motChoisi;
    std::string definition;
};

// One view per "montrer" of a session's output, in order; trace lines and the
// list are skipped.
inline std::vector<VueScript> VuesScript(const std::string& sortie) {
    std::vector<VueScript> vues;
    std::size_t debut = 0;
    bool dansDefinition = false;
    while (debut < sortie.size()) {
        std::size_t fin = sortie.find('\n', debut);
        if (fin == std::string::npos) fin = sortie.size();
        const std::string ligne = sortie.substr(debut, fin - debut);
        debut = fin + 1;
        if (dansDefinition) {
            if (ligne == ">>") dansDefinition = false;
            else vues.back().definition += ligne + "\n";
        } else if (ligne.rfind("liste_type=", 0) == 0) {
            vues.push_back({});
        } else if (ligne.rfind("mot_choisi=", 0) == 0 && !vues.empty()) {
            vues.back().motChoisi = ligne.substr(11);
        } else if (ligne == "definition<<" && !vues.empty()) {
            dansDefinition = true;
        }
    }
    return vues;
}
