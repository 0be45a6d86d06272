#pragma once
// The key index whose data lives in a database table: one row per key, the key
// column first and the data column second. A key may be stored as the MD5
// digest of the lookup text, and its data enciphered with that text as key.
//
// It is a database lookup, not an index: it holds an in-memory IndexeurSec
// beside it (the current key and data, the data slot) rather than being one.
// Each object owns the buffers its statement is bound to, so two lookups on
// two connections do not share them; one object is used from one thread.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "data/BlocOctets.h"
#include "index/Indexeur.h"

class ConnexionBase;

class IndexeurSecDB {
public:
    static constexpr std::size_t TAILLE_CLE = 200;
    static constexpr std::size_t TAILLE_DONNEES = 5000;

    IndexeurSecDB();
    IndexeurSecDB(const std::string& table, const std::string& colonneCle, const std::string& colonneDonnees);
    ~IndexeurSecDB();
    IndexeurSecDB(IndexeurSecDB&&) noexcept;
    IndexeurSecDB& operator=(IndexeurSecDB&&) noexcept;

    // Prepares "select * from T WHERE (K = ?);" on the connection and binds
    // the parameter and the first two result columns.
    bool PreparerRequete(ConnexionBase* connexion, const std::string& table, const std::string& colonneCle);
    // The data stored under `texte` (under its MD5 digest when `protege`,
    // then deciphered with `texte` as key); empty when not found, truncated,
    // NULL or undecipherable. Only valid on the connection that was prepared.
    BlocOctets LireDonnees(ConnexionBase* connexion, const std::string& texte, bool protege);

    // The 16-byte MD5 digest of the bytes of `texte`, as stored in a key column.
    static std::string EmpreinteCle(const std::string& texte);

    bool Nomme() const { return nomme_ != 0; }
    bool Prepare() const { return prepare_; }
    const std::string& Table() const { return table_; }
    const std::string& ColonneCle() const { return colonneCle_; }
    const std::string& ColonneDonnees() const { return colonneDonnees_; }

    // The in-memory side; its data slot answers null with a trace line.
    IndexeurSec& Memoire() { return memoire_; }
    void* GetPDonnees() { return memoire_.GetPDonnees(); }

    // The buffers one statement is bound to (defined with the statement code).
    struct Tampons;

private:
    bool EstPrepareSur(const ConnexionBase* connexion) const;

    IndexeurSec memoire_;
    // On the heap: the driver keeps their addresses while the object moves.
    std::unique_ptr<Tampons> tampons_;

    std::int32_t nomme_ = 0;
    std::string table_;
    std::string colonneCle_;
    std::string colonneDonnees_;
    bool prepare_ = false;
    ConnexionBase* connexion_ = nullptr;
    // The number of the statement the bindings belong to: any later
    // statement on the connection drops it, and with it the prepared state.
    std::uint64_t numeroInstruction_ = 0;
};
