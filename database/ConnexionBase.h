#pragma once
// One ODBC connection with at most one statement at a time, through which
// every database access of the program goes. The databases are SQLite files
// read through unixODBC and the SQLite ODBC driver.
#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <memory>
#include <string>

// The SQLite ODBC driver is named by its library's path, found when the
// program was configured, so that no system-wide driver registration is
// needed; the registered name serves when the build found no library, and
// when the library named cannot be loaded at run time.
#ifndef VOCALIA_PILOTE_SQLITE
#define VOCALIA_PILOTE_SQLITE "SQLite3"
#endif
inline constexpr const char* PILOTE_SQLITE_INSCRIT = "SQLite3";
// Callers append the database path to this prefix.
inline constexpr const char* PREFIXE_CONNEXION = "DRIVER={" VOCALIA_PILOTE_SQLITE "};Database=";
// Used whenever a caller passes an empty password.
extern const char* const MOT_DE_PASSE_DEFAUT;

class ConnexionBase {
public:
    // Never fails as such: a connection that could not be made shows up as
    // failing statement operations. The driver is always told not to create a
    // missing database file.
    static std::unique_ptr<ConnexionBase> Ouvrir(const std::string& chaine, const std::string& motDePasse);
    ~ConnexionBase();
    ConnexionBase(const ConnexionBase&) = delete;
    ConnexionBase& operator=(const ConnexionBase&) = delete;

    // Releases the statement, the connection and the environment; 0.
    int Fermer();
    bool AssurerInstruction();
    bool LibererInstruction();  // always true
    // Both drop any previous statement and work on a fresh one.
    bool ExecuterDirect(const std::string& sql);
    bool Preparer(const std::string& sql);

    void FixerCode(SQLRETURN code) { dernierCode_ = code; }
    SQLRETURN DernierCode() const { return dernierCode_; }
    bool DernierSucces() const { return dernierCode_ == SQL_SUCCESS || dernierCode_ == SQL_SUCCESS_WITH_INFO; }

    // The current statement handle, or null.
    SQLHSTMT Instruction() const { return instruction_; }
    // The number of the current statement, unique in the process and never
    // reused; 0 when there is none. The driver may give a new statement the
    // handle of the one it just freed, so only this number tells whether a
    // statement prepared earlier is still the current one.
    std::uint64_t NumeroInstruction() const { return numeroInstruction_; }
    // The full connection string given to the driver (password included); empty once closed.
    const std::string& TexteConnexion() const { return texteConnexion_; }

private:
    ConnexionBase() = default;
    bool Connecter();  // true when the driver accepted the text

    SQLCHAR sortieConnexion_[100] = {};
    SQLHENV environnement_ = nullptr;
    SQLHDBC connexion_ = nullptr;
    SQLHSTMT instruction_ = nullptr;
    std::uint64_t numeroInstruction_ = 0;
    SQLRETURN dernierCode_ = -1;
    std::string texteConnexion_;
};
