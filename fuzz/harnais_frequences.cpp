// The commonness figures of the approximate search, in the key-index payload
// format: a payload the reader takes gives every word listed under a decimal
// key that figure, and writing the table back gives the same table.
#include <charconv>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "approx/FrequencesMots.h"
#include "fuzz/Harnais.h"
#include "index/ChargeIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    FrequencesMots table;
    if (!table.ChargerCharge(octets, taille)) return 0;
    ContenuIndex contenu;
    EXIGER(AnalyserChargeIndex(octets, taille, contenu));
    // A word listed twice keeps its last figure, as the reader reads in order.
    std::unordered_map<std::string, std::uint32_t> attendues;
    for (std::size_t i = 0; i < contenu.cles.size(); ++i) {
        std::uint32_t figure = 0;
        const std::string& cle = contenu.cles[i];
        const auto [fin, erreur] = std::from_chars(cle.data(), cle.data() + cle.size(), figure);
        EXIGER(erreur == std::errc() && fin == cle.data() + cle.size());
        for (const std::string& mot : contenu.listes[i]) attendues[mot] = figure;
    }
    EXIGER(table.NombreMots() == attendues.size());
    for (const auto& [mot, figure] : attendues) EXIGER(table.Figure(mot) == figure);

    const std::vector<unsigned char> reecrit = EcrireChargeIndex(ListesFrequences(attendues));
    FrequencesMots relue;
    EXIGER(relue.ChargerCharge(reecrit.data(), reecrit.size()));
    for (const auto& [mot, figure] : attendues) EXIGER(relue.Figure(mot) == figure);
    return 0;
}
