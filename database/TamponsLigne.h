#pragma once
// The shared machinery of the row readers: a record kind owns one
// process-wide set of column buffers, bound by position to the result
// columns of its statements. Text columns arrive as character data cut to
// their buffer, integer columns as signed 32-bit integers.
#include <sql.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ConnexionBase;

class TamponsLigne {
public:
    struct Colonne {
        bool entier;
        std::size_t capacite;  // text columns only, terminator included
    };
    static Colonne ColonneTexte(std::size_t capacite) { return {false, capacite}; }
    static Colonne ColonneEntier() { return {true, sizeof(SQLINTEGER)}; }

    explicit TamponsLigne(std::vector<Colonne> colonnes);

    std::size_t NombreColonnes() const { return colonnes_.size(); }
    // Binds result columns 1..n of the connection's current statement.
    bool Lier(ConnexionBase& connexion);
    // First byte of every text 0, every integer 0.
    void Vider();
    // Empties the buffers, fetches the next row and records the result on the connection.
    bool LigneSuivante(ConnexionBase& connexion);

    // Column `i` (0-based) of the row last fetched: the text up to its first
    // 0x00, or the integer; "" or 0 for a column of the other kind or out of range.
    std::string Texte(std::size_t i) const;
    std::int32_t Entier(std::size_t i) const;

private:
    std::vector<Colonne> colonnes_;
    std::vector<std::vector<char>> textes_;
    std::vector<SQLINTEGER> entiers_;
    std::vector<SQLLEN> indicateurs_;
};

// Reads the row of the record: the buffers hold the row just fetched.
using LecteurLigne = std::function<void(const TamponsLigne&)>;

// Lookup by key: "select * from T WHERE (K='key');" with the key's apostrophes
// doubled. When a first row comes, `lire` is called once on it, then the next
// row is fetched (so DernierCode tells whether another row exists). The
// statement is dropped at the end. False when no row came, the statement
// failed, or the key is too long for a statement.
bool LireParCle(ConnexionBase& connexion, TamponsLigne& tampons, const std::string& table,
                const std::string& colonneCle, const std::string& cle, const LecteurLigne& lire);

// Whole-table scan: "select * from T;", `lire` called on every row in the
// table's order. The number of rows read.
std::size_t ParcourirTable(ConnexionBase& connexion, TamponsLigne& tampons, const std::string& table,
                           const LecteurLigne& lire);
