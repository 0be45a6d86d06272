// The word distances on two arbitrary words (cut at the first 0x00), long
// ones included: symmetric where the measure is, and never below zero.
#include <algorithm>
#include <string>

#include "approx/DistancesMots.h"
#include "fuzz/Harnais.h"
#include "fuzz/ReglesInstallees.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    InstallerReglesSource();
    const auto [premier, second] = CouperAuZero(VueOctets(octets, taille));
    const std::string q(premier), c(second);

    EXIGER(DistancePositionnelle(q, c) == DistancePositionnelle(c, q));
    EXIGER(DistancePositionnelle(q, c) >= 0);

    // The common subsequence only looks at the first LONGUEUR_MAX_SOUS_SUITE
    // bytes of each word.
    const int commune = SousSuiteCommune(q, c);
    const auto borne = std::min({q.size(), c.size(), static_cast<std::size_t>(LONGUEUR_MAX_SOUS_SUITE)});
    EXIGER(commune >= 0 && commune <= static_cast<int>(borne));
    EXIGER(DistanceSousSuite(q, c) >= 0);
    EXIGER(DistanceSousSuitePonderee(q, c) >= 0);

    EXIGER(DistancePhonetique(q, c) >= 0);
    for (bool lexique : {false, true}) {
        const int d = DistanceMots(lexique, q, c);
        EXIGER(d >= 0 && d <= DISTANCE_PLAFOND);
    }
    // The cache lives for a run of the program; here it would only grow.
    CachePhonetique().clear();
    return 0;
}
