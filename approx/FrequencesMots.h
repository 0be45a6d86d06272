#pragma once
// How common each headword is, as the approximate search reads it: the
// commonness figure of the built dictionary (larger is commoner), in a
// resource of its own in the key-index payload format, the figure written in
// decimal as the key and the words that have it as its list. A word that is
// not listed has the figure 0.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

inline constexpr const char* RESSOURCE_FREQUENCES = "MAPFREQ";
// The resource's 6-character key material, also its IV.
inline constexpr const char* CHAINE_FREQUENCES = "Rq4vTz";

class FrequencesMots {
public:
    // Replaces the content by that of a payload already deciphered and
    // inflated; false (content left as it was) when the payload does not
    // parse or a key is not a decimal figure.
    bool ChargerCharge(const unsigned char* octets, std::size_t taille);
    // Loads the resource through the data pipeline; false when it cannot be had.
    bool ChargerRessource(const char* nom);
    std::uint32_t Figure(const std::string& mot) const;
    std::size_t NombreMots() const { return figures_.size(); }

private:
    std::unordered_map<std::string, std::uint32_t> figures_;
};

// The payload's records for the data builder and the fixtures: each figure
// above 0, with its words.
std::map<std::string, std::vector<std::string>> ListesFrequences(
    const std::unordered_map<std::string, std::uint32_t>& figures);

// The table of the default search data (DonneesApproches::ParDefaut()),
// loaded from RESSOURCE_FREQUENCES on the first search, under its lock. Without it every word has the
// figure 0, so the ranking is by distance alone; a failed load is retried
// on the next search.
void AssurerFrequences();
bool FrequencesChargees();
const FrequencesMots& FrequencesApproches();
