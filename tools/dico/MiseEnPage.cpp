#include "tools/dico/MiseEnPage.h"

#include <vector>

namespace {

constexpr int LARGEUR_MIN = 20;

bool EstSuite(unsigned char octet) { return (octet & 0xC0) == 0x80; }

// One character of the line: its bytes and the column after it.
struct Caractere {
    std::size_t debut;
    std::size_t fin;
    int colonneApres;
};

std::vector<Caractere> Decouper(const std::string& ligne) {
    std::vector<Caractere> caracteres;
    int colonne = 0;
    for (std::size_t i = 0; i < ligne.size();) {
        std::size_t fin = i + 1;
        while (fin < ligne.size() && EstSuite(static_cast<unsigned char>(ligne[fin]))) ++fin;
        colonne = ligne[i] == '\t' ? (colonne / TABULATION + 1) * TABULATION : colonne + 1;
        caracteres.push_back({i, fin, colonne});
        i = fin;
    }
    return caracteres;
}

// Columns of the line's indent: its leading blanks, and the "- " of a sense.
int Retrait(const std::string& ligne) {
    int colonne = 0;
    std::size_t i = 0;
    for (; i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t'); ++i)
        colonne = ligne[i] == '\t' ? (colonne / TABULATION + 1) * TABULATION : colonne + 1;
    if (ligne.compare(i, 2, "- ") == 0) colonne += 2;
    return colonne;
}

void ReplierLigne(const std::string& ligne, int largeur, std::string& sortie) {
    const std::vector<Caractere> caracteres = Decouper(ligne);
    if (caracteres.empty() || caracteres.back().colonneApres <= largeur) {
        sortie += ligne;
        return;
    }
    const int retrait = Retrait(ligne);
    const std::string marge = retrait + LARGEUR_MIN / 2 <= largeur ? std::string(std::size_t(retrait), ' ') : "";
    std::size_t debut = 0;  // first character of the current piece
    int decalage = 0;       // columns of the text before the piece, less the margin
    bool premiere = true;
    while (debut < caracteres.size()) {
        std::size_t fin = debut;  // one past the last character that fits
        while (fin < caracteres.size() && caracteres[fin].colonneApres - decalage <= largeur) ++fin;
        if (fin == debut) fin = debut + 1;  // a character wider than the room left
        std::size_t coupe = fin;
        std::size_t reprise = fin;
        if (fin < caracteres.size() && ligne[caracteres[fin].debut] == ' ') {
            coupe = fin;
            reprise = fin;
        } else if (fin < caracteres.size()) {
            for (std::size_t k = fin; k > debut; --k) {
                if (ligne[caracteres[k - 1].debut] == ' ' && k - 1 > debut) {
                    coupe = k - 1;
                    reprise = k;
                    break;
                }
            }
        }
        if (!premiere) sortie += '\n' + marge;
        sortie.append(ligne, caracteres[debut].debut, caracteres[coupe - 1].fin - caracteres[debut].debut);
        while (reprise < caracteres.size() && ligne[caracteres[reprise].debut] == ' ') ++reprise;
        if (reprise >= caracteres.size()) break;
        decalage = caracteres[reprise - 1].colonneApres - static_cast<int>(marge.size());
        debut = reprise;
        premiere = false;
    }
}

}  // namespace

std::string ReplierUtf8(const std::string& texte, int largeur) {
    if (largeur < LARGEUR_MIN) return texte;
    std::string sortie;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find('\n', debut);
        ReplierLigne(texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut), largeur, sortie);
        if (fin == std::string::npos) break;
        sortie += '\n';
        debut = fin + 1;
    }
    return sortie;
}
