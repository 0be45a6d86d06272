#include "database/TamponsLigne.h"

#include <sqlext.h>

#include "database/ConnexionBase.h"
#include "database/TexteInstruction.h"
#include "text/Transformations.h"

TamponsLigne::TamponsLigne(std::vector<Colonne> colonnes)
    : colonnes_(std::move(colonnes)), textes_(colonnes_.size()), entiers_(colonnes_.size(), 0),
      indicateurs_(colonnes_.size(), 0) {
    for (std::size_t i = 0; i < colonnes_.size(); ++i)
        if (!colonnes_[i].entier) textes_[i].assign(colonnes_[i].capacite > 0 ? colonnes_[i].capacite : 1, '\0');
}

bool TamponsLigne::Lier(ConnexionBase& connexion) {
    SQLHSTMT instruction = connexion.Instruction();
    if (!instruction) return false;
    for (std::size_t i = 0; i < colonnes_.size(); ++i) {
        const SQLUSMALLINT numero = SQLUSMALLINT(i + 1);
        const SQLRETURN code =
            colonnes_[i].entier
                ? SQLBindCol(instruction, numero, SQL_C_SLONG, &entiers_[i], sizeof(SQLINTEGER), &indicateurs_[i])
                : SQLBindCol(instruction, numero, SQL_C_CHAR, textes_[i].data(), SQLLEN(textes_[i].size()),
                             &indicateurs_[i]);
        if (!SQL_SUCCEEDED(code)) return false;
    }
    return true;
}

void TamponsLigne::Vider() {
    for (std::size_t i = 0; i < colonnes_.size(); ++i) {
        if (colonnes_[i].entier) entiers_[i] = 0;
        else textes_[i][0] = '\0';
    }
}

bool TamponsLigne::LigneSuivante(ConnexionBase& connexion) {
    Vider();
    SQLHSTMT instruction = connexion.Instruction();
    connexion.FixerCode(instruction ? SQLFetch(instruction) : SQLRETURN(SQL_INVALID_HANDLE));
    return connexion.DernierSucces();
}

std::string TamponsLigne::Texte(std::size_t i) const {
    if (i >= colonnes_.size() || colonnes_[i].entier) return std::string();
    const std::vector<char>& tampon = textes_[i];
    std::size_t longueur = 0;
    while (longueur < tampon.size() && tampon[longueur] != '\0') ++longueur;
    return std::string(tampon.data(), longueur);
}

std::int32_t TamponsLigne::Entier(std::size_t i) const {
    if (i >= colonnes_.size() || !colonnes_[i].entier) return 0;
    return entiers_[i];
}

namespace {

// Binds, empties and fetches the first row of the statement just run, then
// calls `lire` on every row while the fetches succeed, at most `maximum` times.
std::size_t LireLignes(ConnexionBase& connexion, TamponsLigne& tampons, const LecteurLigne& lire,
                       std::size_t maximum) {
    if (!tampons.Lier(connexion)) return 0;
    std::size_t lues = 0;
    tampons.LigneSuivante(connexion);
    while (lues < maximum && connexion.DernierSucces()) {
        lire(tampons);
        ++lues;
        tampons.LigneSuivante(connexion);
    }
    return lues;
}

}  // namespace

bool LireParCle(ConnexionBase& connexion, TamponsLigne& tampons, const std::string& table,
                const std::string& colonneCle, const std::string& cle, const LecteurLigne& lire) {
    const std::string instruction = FormaterInstruction("select * from %s WHERE (%s='%s');", table.c_str(),
                                                        colonneCle.c_str(), DoublerApostrophes(cle).c_str());
    if (instruction.empty()) return false;
    connexion.LibererInstruction();
    bool trouve = false;
    if (connexion.ExecuterDirect(instruction)) trouve = LireLignes(connexion, tampons, lire, 1) == 1;
    connexion.LibererInstruction();
    return trouve;
}

std::size_t ParcourirTable(ConnexionBase& connexion, TamponsLigne& tampons, const std::string& table,
                           const LecteurLigne& lire) {
    const std::string instruction = FormaterInstruction("select * from %s;", table.c_str());
    if (instruction.empty() || !connexion.ExecuterDirect(instruction)) return 0;
    const std::size_t lues = LireLignes(connexion, tampons, lire, SIZE_MAX);
    connexion.LibererInstruction();
    return lues;
}
