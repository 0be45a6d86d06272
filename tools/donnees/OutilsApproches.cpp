#include "tools/donnees/OutilsApproches.h"

#include <deque>
#include <fstream>
#include <iostream>
#include <iterator>

#include "approx/TypesCles.h"
#include "platform/RessourcesEmbarquees.h"
#include "platform/RemplacementFichier.h"
#include "text/Cp1252.h"

namespace {
bool LireFichier(const std::filesystem::path& chemin, std::vector<unsigned char>& octets) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) return false;
    octets.assign(std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>());
    return !fichier.bad();
}
}  // namespace

bool LireReglesSource(const std::filesystem::path& chemin, std::string& texteCp1252) {
    std::vector<unsigned char> octets;
    if (!LireFichier(chemin, octets)) return false;
    texteCp1252 = Utf8VersCp1252(std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
    return true;
}

std::string CheminReglesParDefaut() { return VOCALIA_REGLES_SOURCE; }

bool EnregistrerFichierCommeRessource(const std::filesystem::path& chemin, const char* nom) {
    // Kept for the whole run: the registry holds pointers into them.
    static std::deque<std::vector<unsigned char>> contenus;
    static std::deque<std::string> noms;
    std::vector<unsigned char> octets;
    if (!LireFichier(chemin, octets)) return false;
    const std::size_t taille = octets.size();
    octets.push_back(0);  // like the linked blobs
    contenus.push_back(std::move(octets));
    noms.emplace_back(nom);
    const RessourceEmbarquee ressource{noms.back().c_str(), contenus.back().data(),
                                       contenus.back().data() + taille};
    return EnregistrerRessources(&ressource, 1);
}

int EnregistrerRessourcesApproches(const std::filesystem::path& dossier) {
    int enregistrees = 0;
    std::vector<std::string> noms = {"TOXKRJIUSH"};
    for (int type = 0; type < NOMBRE_TYPES_CLES; ++type) noms.push_back(TableTypesCles[type].ressource);
    for (const std::string& nom : noms) {
        const std::filesystem::path chemin = dossier / nom;
        std::error_code erreur;
        if (std::filesystem::is_regular_file(chemin, erreur) && EnregistrerFichierCommeRessource(chemin, nom.c_str()))
            ++enregistrees;
    }
    return enregistrees;
}

bool EcrireFichierAtomique(const std::filesystem::path& chemin, const std::vector<unsigned char>& octets) {
    return RemplacerFichier(chemin.string(),
                            std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
}

bool LireMotStdin(std::string& motCp1252) {
    std::string ligne;
    if (!std::getline(std::cin, ligne)) return false;
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    motCp1252 = Utf8VersCp1252(ligne);
    return true;
}
