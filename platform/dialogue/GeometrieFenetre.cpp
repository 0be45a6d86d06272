#include "platform/dialogue/GeometrieFenetre.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace {
// Larger files are not ours: they are not read.
constexpr std::uintmax_t TAILLE_MAX_FICHIER = 256;
// Beyond these a value can only come from a damaged file.
constexpr int COORDONNEE_MAX = 100000;
constexpr int TAILLE_MAX = 100000;

std::string Variable(const char* nom) {
    const char* valeur = std::getenv(nom);
    return valeur ? std::string(valeur) : std::string();
}

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
    const std::string xdg = Variable("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative path.
    if (!xdg.empty() && xdg[0] == '/') return xdg + "/vocalia";
    const std::string maison = Variable("HOME");
    if (!maison.empty()) return maison + "/.config/vocalia";
    return {};
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
    const std::string provisoire = chemin + ".part";
    {
        std::ofstream fichier(provisoire, std::ios::binary | std::ios::trunc);
        fichier << "position " << g.x << ' ' << g.y << '\n' << "taille " << g.largeur << ' ' << g.hauteur << '\n';
        if (!fichier) return false;
    }
    return std::rename(provisoire.c_str(), chemin.c_str()) == 0;
}
