#pragma once
// The inflected-form index: form -> headwords, loaded from KLSPDOEKXHEFD on first use.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* RESSOURCE_FLEXIONS = "KLSPDOEKXHEFD";

std::optional<std::vector<std::string>> Lemmes(const std::string& forme);
// Parses a payload already deciphered and inflated (tests, bench).
bool ChargerIndexFlexionsDepuis(const unsigned char* octets, std::size_t taille);

std::vector<unsigned char> EcrireIndexFlexions(
    const std::map<std::string, std::vector<std::string>>& index);
