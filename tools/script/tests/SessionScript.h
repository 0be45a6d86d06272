#pragma once
// Runs vocalia-script (VOCALIA_SCRIPT) on the embedded real data with the
// given commands on its standard input, for the real-data checks.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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
