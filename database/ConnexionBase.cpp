#include "database/ConnexionBase.h"

#include <atomic>
#include <climits>

const char* const MOT_DE_PASSE_DEFAUT = "plumevolage";

namespace {
// The SQLite driver creates a missing database file unless told not to; a
// lookup must never leave an empty database where none was.
constexpr const char* SANS_CREATION = ";NoCreat=1";

// The same text with the driver given by its registered name instead of the
// library's path; empty when the text does not name the library.
std::string AvecPiloteInscrit(const std::string& texte) {
    const std::string parLibrairie = std::string("DRIVER={") + VOCALIA_PILOTE_SQLITE + "}";
    const std::string parNom = std::string("DRIVER={") + PILOTE_SQLITE_INSCRIT + "}";
    if (parLibrairie == parNom || texte.compare(0, parLibrairie.size(), parLibrairie) != 0) return {};
    return parNom + texte.substr(parLibrairie.size());
}

// Shared by every connection, so that a number never names two statements.
std::atomic<std::uint64_t> dernierNumeroInstruction{0};
}  // namespace

bool ConnexionBase::Connecter() {
    // A text the driver call cannot take whole is not sent cut.
    if (!connexion_ || texteConnexion_.size() > SHRT_MAX) return false;
    const SQLRETURN code = SQLDriverConnect(connexion_, nullptr, reinterpret_cast<SQLCHAR*>(texteConnexion_.data()),
                                            SQLSMALLINT(texteConnexion_.size()), sortieConnexion_,
                                            SQLSMALLINT(sizeof sortieConnexion_), nullptr, SQL_DRIVER_NOPROMPT);
    return code == SQL_SUCCESS || code == SQL_SUCCESS_WITH_INFO;
}

std::unique_ptr<ConnexionBase> ConnexionBase::Ouvrir(const std::string& chaine, const std::string& motDePasse) {
    std::unique_ptr<ConnexionBase> base(new ConnexionBase);
    base->texteConnexion_ =
        chaine + SANS_CREATION + ";" + "Pwd=" + (motDePasse.empty() ? MOT_DE_PASSE_DEFAUT : motDePasse);
    if (SQLAllocEnv(&base->environnement_) != SQL_SUCCESS) base->environnement_ = nullptr;
    if (base->environnement_ && SQLAllocConnect(base->environnement_, &base->connexion_) != SQL_SUCCESS)
        base->connexion_ = nullptr;
    base->dernierCode_ = -1;
    // Any other outcome shows up in the first statement operation.
    if (!base->Connecter()) {
        // The library found at build time may be gone (another machine, a
        // moved driver): the registered driver may still be there.
        const std::string inscrit = AvecPiloteInscrit(base->texteConnexion_);
        if (!inscrit.empty()) {
            base->texteConnexion_ = inscrit;
            base->Connecter();
        }
    }
    return base;
}

ConnexionBase::~ConnexionBase() { Fermer(); }

int ConnexionBase::Fermer() {
    LibererInstruction();
    if (connexion_) {
        SQLDisconnect(connexion_);
        SQLFreeConnect(connexion_);
        connexion_ = nullptr;
    }
    if (environnement_) {
        SQLFreeEnv(environnement_);
        environnement_ = nullptr;
    }
    texteConnexion_.clear();
    return 0;
}

bool ConnexionBase::AssurerInstruction() {
    if (instruction_) return true;
    if (!connexion_) {
        dernierCode_ = SQL_INVALID_HANDLE;
        return false;
    }
    SQLSetConnectOption(connexion_, SQL_AUTOCOMMIT, SQL_AUTOCOMMIT_ON);
    dernierCode_ = SQLAllocStmt(connexion_, &instruction_);
    if (dernierCode_ != SQL_SUCCESS) {
        instruction_ = nullptr;
        return false;
    }
    numeroInstruction_ = ++dernierNumeroInstruction;
    return true;
}

bool ConnexionBase::LibererInstruction() {
    if (instruction_) SQLFreeStmt(instruction_, SQL_DROP);
    instruction_ = nullptr;
    numeroInstruction_ = 0;
    return true;
}

bool ConnexionBase::ExecuterDirect(const std::string& sql) {
    LibererInstruction();
    if (!AssurerInstruction()) return false;
    dernierCode_ = SQLExecDirect(instruction_, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())),
                                 SQLINTEGER(sql.size()));
    return DernierSucces();
}

bool ConnexionBase::Preparer(const std::string& sql) {
    LibererInstruction();
    if (!AssurerInstruction()) return false;
    dernierCode_ = SQLPrepare(instruction_, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())),
                              SQLINTEGER(sql.size()));
    return DernierSucces();
}
