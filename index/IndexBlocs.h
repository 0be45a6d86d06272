#pragma once
// A key index resource packed in blocks (a payload of units, ConteneurUnites),
// so that a lookup inflates one block instead of the whole index:
//   unit 0   uint32 key count, uint32 block count B, then the first key of
//            each block, NUL-terminated, in ascending byte order;
//   unit 1+b block b: consecutive records in the layout of ChargeIndex.h,
//            ending with the empty key.
// The bytes are read in place. Not locked, as the rest of the key index.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/ConteneurUnites.h"
#include "index/ChargeIndex.h"

inline constexpr std::size_t TAILLE_BLOC_INDEX = 32 * 1024;

class IndexBlocs {
public:
    // False (and the object left empty) when the layout or the first unit is unsound.
    bool Ouvrir(const unsigned char* octets, std::size_t taille, const std::string& cle, const char* iv);
    void Vider();
    bool Ouvert() const { return ouvert_; }
    std::size_t NombreCles() const { return nombreCles_; }
    // The words of the key; nothing when the key is absent or its block damaged.
    std::optional<std::vector<std::string>> Valeurs(const std::string& cle);
    // Bytes held by the first keys and the block kept from the last lookup.
    std::size_t OctetsOccupes() const;

private:
    const ContenuIndex* Bloc(std::size_t numero);

    ConteneurUnites conteneur_;
    std::string cle_, iv_;
    bool ivParDefaut_ = false;  // no IV string was given
    std::vector<std::string> premieres_;
    std::size_t nombreCles_ = 0;
    bool ouvert_ = false;
    // The last block read: a search looks up one key per kind, and the
    // next search of a nearby word often lands in the same block.
    std::size_t numeroBloc_ = 0;
    bool blocLu_ = false;
    ContenuIndex bloc_;
};

// The writer, for the data builder and fixtures: the records of `index` in
// ascending byte order, cut into blocks of about `tailleBloc` bytes.
std::vector<unsigned char> EmballerIndexBlocs(const std::map<std::string, std::vector<std::string>>& index,
                                              const std::string& cle, const char* iv,
                                              std::size_t tailleBloc = TAILLE_BLOC_INDEX);
