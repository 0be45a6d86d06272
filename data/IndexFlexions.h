#pragma once
// The inflected-form index: form -> headwords, one process-wide index loaded from
// KLSPDOEKXHEFD on first use.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* RESSOURCE_FLEXIONS = "KLSPDOEKXHEFD";

std::optional<std::vector<std::string>> Lemmes(const std::string& forme);
// Parses a payload already deciphered and inflated (tests, bench).
// True when the whole payload was read. A payload with a good header replaces
// the index even when an entry is bad (the entries before it are kept), but
// the next Lemmes call then tries the resource again.
bool ChargerIndexFlexionsDepuis(const unsigned char* octets, std::size_t taille);
// Back to the state before any load (tests).
void OublierIndexFlexions();

std::vector<unsigned char> EcrireIndexFlexions(
    const std::map<std::string, std::vector<std::string>>& index);
