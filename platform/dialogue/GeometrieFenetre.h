#pragma once
// Where a resizable window was and how large it was, kept from one run to the
// next in a small text file of the user's configuration folder:
//   position X Y
//   taille LARGEUR HAUTEUR
// (pixels; the size is the window's inside). A file that does not read
// exactly so is ignored.
#include <optional>
#include <string>

struct GeometrieFenetre {
    int x = 0, y = 0;
    int largeur = 0, hauteur = 0;
};

// $XDG_CONFIG_HOME/vocalia, else $HOME/.config/vocalia; "" when neither is set.
std::string DossierConfiguration();
// The file of the window called `nom` in that folder; "" without a folder.
std::string CheminGeometrie(const std::string& nom);

std::optional<GeometrieFenetre> LireGeometrie(const std::string& chemin);
// Creates the folder if needed; written beside, then renamed, so a crash
// never leaves half a file.
bool EcrireGeometrie(const std::string& chemin, const GeometrieFenetre& geometrie);
