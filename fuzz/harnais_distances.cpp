// The word distances on two arbitrary words (cut at the first 0x00), long
// ones included: symmetric where the measure is, and never below zero.
#include <algorithm>
#include <string>

#include "approx/DistancesMots.h"
#include "fuzz/Harnais.h"
#include "fuzz/ReglesInstallees.h"

namespace {
// SousSuiteCommune's greedy search backtracks in exponential time on long
// repetitive words (a dynamic-programming rewrite is under way). Until it
// lands, the measures built on it get words cut to this length, so that a
// run finds faults rather than the known slowness; the positional distance
// still gets the words whole.
constexpr std::size_t LongueurSousSuite = 16;

std::string Coupe(std::string mot) {
    if (mot.size() > LongueurSousSuite) mot.resize(LongueurSousSuite);
    return mot;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    InstallerReglesSource();
    const auto [premier, second] = CouperAuZero(VueOctets(octets, taille));
    const std::string q(premier), c(second);

    EXIGER(DistancePositionnelle(q, c) == DistancePositionnelle(c, q));
    EXIGER(DistancePositionnelle(q, c) >= 0);

    const std::string qc = Coupe(q), cc = Coupe(c);
    const int commune = SousSuiteCommune(qc, cc);
    EXIGER(commune >= 0 && commune <= static_cast<int>(std::min(qc.size(), cc.size())));
    EXIGER(DistanceSousSuite(qc, cc) >= 0);
    EXIGER(DistanceSousSuitePonderee(qc, cc) >= 0);
    EXIGER(DistancePhonetique(qc, cc) >= 0);
    for (bool lexique : {false, true}) {
        const int d = DistanceMots(lexique, qc, cc);
        EXIGER(d >= 0 && d <= DISTANCE_PLAFOND);
    }
    // The cache lives for a run of the program; here it would only grow.
    CachePhonetique().clear();
    return 0;
}
