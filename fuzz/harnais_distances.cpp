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
// lands, the measures built on it get words cut short, so that a run finds
// faults rather than the known slowness: 16 bytes for the spelling, 6 for
// those that compare transcriptions, a letter giving up to three phoneme
// codes ("x" gives K-S). The positional distance still gets the words whole.
constexpr std::size_t LongueurSousSuite = 16;
constexpr std::size_t LongueurPhonetique = 6;

std::string Coupe(std::string mot, std::size_t longueur) {
    if (mot.size() > longueur) mot.resize(longueur);
    return mot;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    InstallerReglesSource();
    const auto [premier, second] = CouperAuZero(VueOctets(octets, taille));
    const std::string q(premier), c(second);

    EXIGER(DistancePositionnelle(q, c) == DistancePositionnelle(c, q));
    EXIGER(DistancePositionnelle(q, c) >= 0);

    const std::string qc = Coupe(q, LongueurSousSuite), cc = Coupe(c, LongueurSousSuite);
    const int commune = SousSuiteCommune(qc, cc);
    EXIGER(commune >= 0 && commune <= static_cast<int>(std::min(qc.size(), cc.size())));
    EXIGER(DistanceSousSuite(qc, cc) >= 0);
    EXIGER(DistanceSousSuitePonderee(qc, cc) >= 0);

    const std::string qp = Coupe(q, LongueurPhonetique), cp = Coupe(c, LongueurPhonetique);
    EXIGER(DistancePhonetique(qp, cp) >= 0);
    for (bool lexique : {false, true}) {
        const int d = DistanceMots(lexique, qp, cp);
        EXIGER(d >= 0 && d <= DISTANCE_PLAFOND);
    }
    // The cache lives for a run of the program; here it would only grow.
    CachePhonetique().clear();
    return 0;
}
