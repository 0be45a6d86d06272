#include "fuzz/Harnais.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

std::string FichierBrouillon(const char* nom, std::string_view contenu) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string chemin = std::string(tmp && *tmp ? tmp : "/tmp") + "/vocalia_fuzz_" +
                               std::to_string(::getpid()) + "_" + nom;
    std::ofstream fichier(chemin, std::ios::binary | std::ios::trunc);
    fichier.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
    fichier.close();
    EXIGER(fichier.good());
    return chemin;
}
