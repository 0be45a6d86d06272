#include "platform/RemplacementFichier.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace {

// mkstemp makes the file private; a file we replace keeps the permissions a
// file created in the ordinary way would get.
void PermissionsOrdinaires(int descripteur) {
    const mode_t masque = umask(0);
    umask(masque);
    fchmod(descripteur, 0666 & ~masque);
}

}  // namespace

bool RemplacerFichier(const std::string& chemin, const std::function<bool(const std::string& provisoire)>& remplir) {
    if (chemin.empty()) return false;
    std::string provisoire = chemin + ".XXXXXX";
    const int descripteur = mkstemp(provisoire.data());
    if (descripteur < 0) return false;
    PermissionsOrdinaires(descripteur);
    close(descripteur);
    if (remplir(provisoire) && std::rename(provisoire.c_str(), chemin.c_str()) == 0) return true;
    std::remove(provisoire.c_str());
    return false;
}

bool RemplacerFichier(const std::string& chemin, std::string_view contenu) {
    return RemplacerFichier(chemin, [contenu](const std::string& provisoire) {
        std::ofstream fichier(provisoire, std::ios::binary | std::ios::trunc);
        fichier.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
        fichier.close();
        return !fichier.fail();
    });
}
