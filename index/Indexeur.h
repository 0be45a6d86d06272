#pragma once
// The key-to-word-list index of the approximate search: filled once from a
// data resource, read-only afterwards. Not locked: the approximate-search
// engine loads and reads its indexes under its own lock.
#include <cstddef>
#include <string>
#include <vector>

#include "index/IndexBlocs.h"
#include "index/Xmapstringvectorstring.h"

class Indexeur {
public:
    Indexeur() = default;
    virtual ~Indexeur() = default;
    Indexeur(const Indexeur&) = default;
    Indexeur& operator=(const Indexeur&) = default;
    Indexeur(Indexeur&&) = default;
    Indexeur& operator=(Indexeur&&) = default;

    // Loads the resource and replaces the content. A resource packed in
    // blocks is read in place, one block per lookup; any other goes through
    // the data pipeline and is parsed whole. False when the payload cannot be
    // had or parsed; the index is then left as it was.
    bool ChargeRessource(const char* nom, bool inflate, bool decipher, const std::string& cle,
                         const char* iv);
    // The parse step alone, on a payload already deciphered and inflated.
    bool ChargeCharge(const unsigned char* octets, std::size_t taille);

    bool Contient(const std::string& cle);
    std::vector<std::string> GetValeurs(const std::string& cle);
    std::size_t NombreCles() const { return blocs_.Ouvert() ? blocs_.NombreCles() : donnees_.taille(); }
    std::size_t OctetsOccupes() const { return blocs_.Ouvert() ? blocs_.OctetsOccupes() : donnees_.octetsOccupes(); }

    // No index hands out its raw data; the slot exists for the form the database lookup keeps.
    virtual void* GetPDonnees();

protected:
    Xmapstringvectorstring donnees_;
    IndexBlocs blocs_;  // open when the content is read in place
};

// The form with the two strings the database lookup (IndexeurSecDB) keeps
// beside its statement.
class IndexeurSec : public Indexeur {
public:
    void* GetPDonnees() override;
    // The key the statement's parameter holds when it is prepared.
    const std::string& CleCourante() const { return cleCourante_; }

protected:
    std::string cleCourante_;
    std::string donneesCourantes_;
};
