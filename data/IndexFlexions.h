#pragma once
// The inflected-form index: form -> headwords, read from KLSPDOEKXHEFD on
// first use. The free calls work on the default index (IndexFlexions::ParDefaut()). The resource is packed in blocks of
// consecutive forms (in byte order), so a lookup inflates one block:
//   unit 0    real 1.0, real (unused), integer entry count, integer block
//             count B, then the first form of each block (strings);
//   unit 1+b  integer entry count, then the entries (string form, string
//             list of headwords).
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* RESSOURCE_FLEXIONS = "KLSPDOEKXHEFD";
inline constexpr std::size_t TAILLE_BLOC_FLEXIONS = 32 * 1024;

// One index and the last block it read: a lookup changes that block, so one
// object is used from one thread (the window's; the full-text search reads
// articles only). Not copyable, as it owns its state.
class IndexFlexions {
public:
    IndexFlexions();
    ~IndexFlexions();

    static IndexFlexions& ParDefaut();

    // The headwords of `forme`; the resource is read first while no load has
    // read a whole payload.
    std::optional<std::vector<std::string>> Lemmes(const std::string& forme);
    // Reads the resource now: in blocks in place, else of one piece.
    bool Charger();
    // A payload in blocks (EmballerIndexFlexions), read in place: the bytes
    // must outlive the object. False (index unchanged) when it is unsound.
    bool OuvrirBlocsEnPlace(const unsigned char* octets, std::size_t taille);
    // A flat payload, as ChargerIndexFlexionsDepuis below.
    bool ChargerDepuis(const unsigned char* octets, std::size_t taille);
    void Oublier();

private:
    struct Etat;
    std::unique_ptr<Etat> etat_;
};

std::optional<std::vector<std::string>> Lemmes(const std::string& forme);
// Reads the resource now (Lemmes does it on its first call); true when the
// index is usable.
bool ChargerIndexFlexions();
// Parses a flat payload already deciphered and inflated (tests, bench):
// real 1.0, real, entry count, the entries.
// True when the whole payload was read. A payload with a good header replaces
// the index even when an entry is bad (the entries before it are kept), but
// the next Lemmes call then tries the resource again.
bool ChargerIndexFlexionsDepuis(const unsigned char* octets, std::size_t taille);
// Back to the state before any load (tests).
void OublierIndexFlexions();

// The flat payload (fixtures), and the resource in blocks (the data builder).
std::vector<unsigned char> EcrireIndexFlexions(
    const std::map<std::string, std::vector<std::string>>& index);
std::vector<unsigned char> EmballerIndexFlexions(const std::map<std::string, std::vector<std::string>>& index,
                                                 std::size_t tailleBloc = TAILLE_BLOC_FLEXIONS);
