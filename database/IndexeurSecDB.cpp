#include "database/IndexeurSecDB.h"

#include <openssl/evp.h>
#include <sqlext.h>

#include <cstring>

#include "data/Ressources.h"
#include "database/ConnexionBase.h"
#include "database/TexteInstruction.h"

// The buffers one statement is bound to.
struct IndexeurSecDB::Tampons {
    unsigned char parametre[TAILLE_CLE + 1] = {};  // + the NUL after a text key
    SQLLEN longueurParametre = 0;
    unsigned char cle[TAILLE_CLE] = {};
    SQLLEN longueurCle = 0;
    unsigned char donnees[TAILLE_DONNEES] = {};
    SQLLEN longueurDonnees = 0;
};

namespace {

using Tampons = IndexeurSecDB::Tampons;

void FixerParametre(Tampons& tampons, const std::string& valeur) {
    const std::size_t longueur = valeur.size() < IndexeurSecDB::TAILLE_CLE ? valeur.size() : IndexeurSecDB::TAILLE_CLE;
    std::memcpy(tampons.parametre, valeur.data(), longueur);
    tampons.parametre[longueur] = 0;
    tampons.longueurParametre = SQLLEN(longueur);
}

bool LierColonnes(Tampons& tampons, SQLHSTMT instruction) {
    tampons.longueurCle = SQLLEN(IndexeurSecDB::TAILLE_CLE);
    tampons.longueurDonnees = SQLLEN(IndexeurSecDB::TAILLE_DONNEES);
    return SQL_SUCCEEDED(SQLBindCol(instruction, 1, SQL_C_BINARY, tampons.cle, sizeof tampons.cle,
                                    &tampons.longueurCle)) &&
           SQL_SUCCEEDED(SQLBindCol(instruction, 2, SQL_C_BINARY, tampons.donnees, sizeof tampons.donnees,
                                    &tampons.longueurDonnees));
}

// The data column of the row just fetched; empty for a NULL value.
BlocOctets DonneesLues(const Tampons& tampons, const std::string& texte, bool protege) {
    const SQLLEN longueur = tampons.longueurDonnees;
    if (longueur < 0 || std::size_t(longueur) > IndexeurSecDB::TAILLE_DONNEES) return BlocOctets();
    BlocOctets lues = BlocOctets::CopieAvecZero(tampons.donnees, std::uint32_t(longueur));
    if (!protege) return lues;
    return DechiffrerDonnees(texte, nullptr, lues);
}

}  // namespace

IndexeurSecDB::IndexeurSecDB() : tampons_(std::make_unique<Tampons>()) {}

IndexeurSecDB::IndexeurSecDB(const std::string& table, const std::string& colonneCle,
                             const std::string& colonneDonnees)
    : tampons_(std::make_unique<Tampons>()),
      nomme_(1),
      table_(table),
      colonneCle_(colonneCle),
      colonneDonnees_(colonneDonnees) {}

IndexeurSecDB::~IndexeurSecDB() = default;
IndexeurSecDB::IndexeurSecDB(IndexeurSecDB&&) noexcept = default;
IndexeurSecDB& IndexeurSecDB::operator=(IndexeurSecDB&&) noexcept = default;

bool IndexeurSecDB::PreparerRequete(ConnexionBase* connexion, const std::string& table,
                                    const std::string& colonneCle) {
    if (!connexion || !tampons_) return false;
    const std::string instruction =
        FormaterInstruction("select * from %s WHERE (%s = ?);", table.c_str(), colonneCle.c_str());
    if (instruction.empty() || !connexion->Preparer(instruction)) return false;
    SQLHSTMT preparee = connexion->Instruction();
    const SQLRETURN code = SQLBindParameter(preparee, 1, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_VARBINARY, TAILLE_CLE,
                                            0, tampons_->parametre, TAILLE_CLE, &tampons_->longueurParametre);
    if (!SQL_SUCCEEDED(code)) {
        connexion->FixerCode(code);
        return false;
    }
    FixerParametre(*tampons_, memoire_.CleCourante());
    if (!LierColonnes(*tampons_, preparee)) return false;
    connexion_ = connexion;
    numeroInstruction_ = connexion->NumeroInstruction();
    prepare_ = true;
    return true;
}

bool IndexeurSecDB::EstPrepareSur(const ConnexionBase* connexion) const {
    return prepare_ && tampons_ && connexion && numeroInstruction_ != 0 && connexion->NumeroInstruction() == numeroInstruction_;
}

BlocOctets IndexeurSecDB::LireDonnees(ConnexionBase* connexion, const std::string& texte, bool protege) {
    if (!EstPrepareSur(connexion)) {
        if (connexion == connexion_) prepare_ = false;
        return BlocOctets();
    }
    // A text key longer than the parameter would be cut and could match another row.
    if (!protege && texte.size() > TAILLE_CLE) return BlocOctets();
    tampons_->cle[0] = 0;
    tampons_->donnees[0] = 0;
    FixerParametre(*tampons_, protege ? EmpreinteCle(texte) : texte);

    SQLHSTMT instruction = connexion->Instruction();
    const SQLRETURN execution = SQLExecute(instruction);
    if (!SQL_SUCCEEDED(execution)) {
        connexion->FixerCode(execution);
        SQLFreeStmt(instruction, SQL_CLOSE);
        return BlocOctets();
    }
    const SQLRETURN lecture = SQLFetch(instruction);
    connexion->FixerCode(lecture);
    // Success with information is a value the driver cut: not the stored data.
    BlocOctets resultat = lecture == SQL_SUCCESS ? DonneesLues(*tampons_, texte, protege) : BlocOctets();
    SQLFreeStmt(instruction, SQL_CLOSE);
    return resultat;
}

std::string IndexeurSecDB::EmpreinteCle(const std::string& texte) {
    unsigned char empreinte[EVP_MAX_MD_SIZE];
    unsigned int longueur = 0;
    if (EVP_Digest(texte.data(), texte.size(), empreinte, &longueur, EVP_md5(), nullptr) != 1) return std::string();
    return std::string(reinterpret_cast<const char*>(empreinte), longueur);
}
