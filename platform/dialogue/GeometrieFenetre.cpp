#include "platform/dialogue/GeometrieFenetre.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/DossiersXdg.h"
#include "platform/RemplacementFichier.h"

namespace {
// Larger files are not ours: they are not read.
constexpr std::uintmax_t TAILLE_MAX_FICHIER = 256;
// Beyond these a value can only come from a damaged file.
constexpr int COORDONNEE_MAX = 100000;
constexpr int TAILLE_MAX = 100000;

// One line: the keyword, then exactly two integers within bounds.
bool LireLigne(std::istream& entree, const char* motCle, int minimum, int maximum, int& a, int& b) {
    std::string ligne;
    if (!std::getline(entree, ligne)) return false;
    std::istringstream champs(ligne);
    std::string mot, reste;
    long long x = 0, y = 0;
    if (!(champs >> mot >> x >> y) || mot != motCle || (champs >> reste)) return false;
    if (x < minimum || x > maximum || y < minimum || y > maximum) return false;
    a = static_cast<int>(x);
    b = static_cast<int>(y);
    return true;
}
}  // namespace

std::string DossierConfiguration() {
    const std::string configuration = DossierXdg("XDG_CONFIG_HOME", ".config");
    if (configuration.empty()) return {};
    return (configuration == "/" ? std::string() : configuration) + "/vocalia";
}

std::string CheminGeometrie(const std::string& nom) {
    const std::string dossier = DossierConfiguration();
    return dossier.empty() || nom.empty() ? std::string() : dossier + "/" + nom + ".txt";
}

std::optional<GeometrieFenetre> LireGeometrie(const std::string& chemin) {
    std::error_code erreur;
    const std::uintmax_t taille = std::filesystem::file_size(chemin, erreur);
    if (erreur || taille > TAILLE_MAX_FICHIER) return std::nullopt;
    std::ifstream fichier(chemin, std::ios::binary);
    GeometrieFenetre g;
    if (!LireLigne(fichier, "position", -COORDONNEE_MAX, COORDONNEE_MAX, g.x, g.y)) return std::nullopt;
    if (!LireLigne(fichier, "taille", 1, TAILLE_MAX, g.largeur, g.hauteur)) return std::nullopt;
    std::string reste;
    if (fichier >> reste) return std::nullopt;
    return g;
}

bool EcrireGeometrie(const std::string& chemin, const GeometrieFenetre& g) {
    if (chemin.empty()) return false;
    std::error_code erreur;
    std::filesystem::create_directories(std::filesystem::path(chemin).parent_path(), erreur);
    std::ostringstream texte;
    texte << "position " << g.x << ' ' << g.y << '\n' << "taille " << g.largeur << ' ' << g.hauteur << '\n';
    return RemplacerFichier(chemin, texte.str());
}
