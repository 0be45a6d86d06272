#pragma once
// The inflected-form index: form -> headwords, one process-wide index read
// from KLSPDOEKXHEFD on first use. The resource is packed in blocks of
// consecutive forms (in byte order), so a lookup inflates one block:
//   unit 0    real 1.0, real (unused), integer entry count, integer block
//             count B, then the first form of each block (strings);
//   unit 1+b  integer entry count, then the entries (string form, string
//             list of headwords).
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* RESSOURCE_FLEXIONS = "KLSPDOEKXHEFD";
inline constexpr std::size_t TAILLE_BLOC_FLEXIONS = 32 * 1024;

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
