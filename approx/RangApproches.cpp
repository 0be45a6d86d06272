#include "approx/RangApproches.h"

#include <algorithm>

#include "text/Caracteres.h"

namespace {
bool CommenceParUneCapitale(const std::string& mot) { return !mot.empty() && EstMajuscule(mot[0]); }
}  // namespace

int ClasseFrequence(std::uint32_t figure) {
    int classe = 0;
    for (; figure > 0; figure >>= 1) ++classe;
    return classe;
}

int RetardRarete(std::uint32_t figure) {
    const int classe = std::min(ClasseFrequence(figure), CLASSE_COURANTE);
    return (CLASSE_COURANTE - classe) * RETARD_RARETE_MAX / CLASSE_COURANTE;
}

bool CassesOpposees(const std::string& tape, const std::string& candidat) {
    return CommenceParUneCapitale(tape) != CommenceParUneCapitale(candidat);
}

int RangCandidat(const std::string& tape, const std::string& candidat, int distance, std::uint32_t figure) {
    if (distance == 0 && tape == candidat) return 0;
    return distance + RetardRarete(figure) + (CassesOpposees(tape, candidat) ? RETARD_CASSE : 0);
}
