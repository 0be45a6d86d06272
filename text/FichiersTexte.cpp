#include "text/FichiersTexte.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "text/Transformations.h"

namespace {

constexpr std::size_t TailleTamponLigne = 20000;        // a longer line arrives in pieces
constexpr std::size_t LongueurLigneGardee = 1000;       // DecouperLignes keeps this much whole...
constexpr std::size_t LongueurLigneCoupee = 999;        // ...and cuts a longer line to this
constexpr std::size_t NombreLignesMaximum = 1001;
constexpr std::size_t LongueurAvantMaximum = 999;       // CouperEnDeux
constexpr std::size_t LongueurPieceMaximum = 999;       // DecouperPaires
constexpr std::size_t TailleCheminTemporaire = 300;     // terminator included

struct FermetureFichier {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermetureFichier>;

// Reads the next line of at most TailleTamponLigne - 1 bytes, its LF included.
// CR LF is read as LF, as a text-mode stream would; a lone CR stays.
bool LireUneLigne(std::FILE* f, std::string& ligne) {
    ligne.clear();
    while (ligne.size() < TailleTamponLigne - 1) {
        int c = std::getc(f);
        if (c == EOF) break;
        if (c == '\r') {
            const int suivant = std::getc(f);
            if (suivant == '\n')
                c = '\n';
            else if (suivant != EOF)
                std::ungetc(suivant, f);
        }
        ligne += static_cast<char>(c);
        if (c == '\n') break;
    }
    return !ligne.empty();
}

bool EstDossierUtilisable(const char* chemin) {
    struct stat etat;
    return chemin[0] != '\0' && stat(chemin, &etat) == 0 && S_ISDIR(etat.st_mode) &&
           access(chemin, W_OK | X_OK) == 0;
}

}  // namespace

bool LireLignes(const std::string& nom, std::vector<std::string>& lignes) {
    lignes.clear();
    Fichier f(std::fopen(nom.c_str(), "r"));
    if (!f) return false;
    std::string ligne;
    while (LireUneLigne(f.get(), ligne)) lignes.push_back(ligne);
    return true;
}

bool DecouperLignes(const std::string& texte, std::vector<std::string>& lignes) {
    lignes.clear();
    std::size_t debut = 0;
    while (lignes.size() < NombreLignesMaximum) {
        const std::size_t lf = texte.find('\n', debut);
        const bool derniere = lf == std::string::npos;
        const std::size_t longueur = derniere ? texte.size() - debut : lf + 1 - debut;
        lignes.push_back(texte.substr(debut, longueur > LongueurLigneGardee ? LongueurLigneCoupee : longueur));
        if (derniere) break;
        debut = lf + 1;
    }
    return true;
}

std::pair<std::string, std::string> CouperEnDeux(const std::string& texte, char separateur) {
    const std::size_t n = texte.find(separateur);
    if (n == std::string::npos) return {Elaguer(texte), std::string()};
    std::string avant = n <= LongueurAvantMaximum ? texte.substr(0, n) : std::string();
    return {Elaguer(avant), Elaguer(texte.substr(n + 1))};
}

std::map<std::string, std::string> DecouperPaires(const std::string& texte, char separateurPieces,
                                                  char separateurPaire) {
    std::map<std::string, std::string> paires;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = texte.find(separateurPieces, debut);
        const std::size_t longueur = (fin == std::string::npos ? texte.size() : fin) - debut;
        paires.insert(CouperEnDeux(texte.substr(debut, std::min(longueur, LongueurPieceMaximum)), separateurPaire));
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }
    return paires;
}

std::string DossierTemporaire() {
    const char* tmpdir = std::getenv("TMPDIR");
    std::string chemin = tmpdir && EstDossierUtilisable(tmpdir) ? tmpdir : "/tmp";
    if (chemin.back() != '/') chemin += '/';
    return chemin.size() < TailleCheminTemporaire ? chemin : std::string();
}

bool FichierExiste(const std::string& chemin) { return access(chemin.c_str(), F_OK) == 0; }

bool LireFichierEntier(const std::string& chemin, std::string& contenu) {
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) return false;
    std::ostringstream tampon;
    tampon << flux.rdbuf();
    if (flux.bad()) return false;
    contenu = tampon.str();
    return true;
}
