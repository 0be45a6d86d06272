#include "index/IndexBlocs.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

bool OctetsInferieurs(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

std::uint32_t LireMot32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void AjouterMot32(std::vector<unsigned char>& octets, std::uint32_t valeur) {
    for (int i = 0; i < 4; ++i) octets.push_back(static_cast<unsigned char>(valeur >> (8 * i)));
}

// The first keys: `blocs` NUL-terminated non-empty keys, strictly ascending, filling the unit.
bool LirePremieres(const std::vector<unsigned char>& octets, std::size_t blocs, std::vector<std::string>& premieres) {
    std::size_t position = 8;
    for (std::size_t b = 0; b < blocs; ++b) {
        if (position >= octets.size()) return false;
        const void* fin = std::memchr(octets.data() + position, 0, octets.size() - position);
        if (fin == nullptr) return false;
        const std::size_t longueur = std::size_t(static_cast<const unsigned char*>(fin) - (octets.data() + position));
        std::string cle(reinterpret_cast<const char*>(octets.data() + position), longueur);
        if (cle.empty() || (!premieres.empty() && !OctetsInferieurs(premieres.back(), cle))) return false;
        premieres.push_back(std::move(cle));
        position += longueur + 1;
    }
    return position == octets.size();
}

std::size_t TailleEnregistrement(const std::string& cle, const std::vector<std::string>& mots) {
    std::size_t taille = cle.size() + 2;
    for (const std::string& mot : mots) taille += mot.size() + 1;
    return taille;
}

}  // namespace

bool IndexBlocs::Ouvrir(const unsigned char* octets, std::size_t taille, const std::string& cle, const char* iv) {
    Vider();
    ConteneurUnites conteneur;
    std::vector<unsigned char> premiere;
    if (!conteneur.Ouvrir(octets, taille) || conteneur.NombreUnites() == 0 ||
        !conteneur.LireUnite(0, cle, iv, premiere) || premiere.size() < 8)
        return false;
    const std::size_t blocs = LireMot32(premiere.data() + 4);
    std::vector<std::string> premieres;
    if (blocs != conteneur.NombreUnites() - 1 || !LirePremieres(premiere, blocs, premieres)) return false;
    conteneur_ = conteneur;
    cle_ = cle;
    ivParDefaut_ = iv == nullptr;
    iv_ = iv == nullptr ? std::string() : std::string(iv);
    premieres_ = std::move(premieres);
    nombreCles_ = LireMot32(premiere.data());
    ouvert_ = true;
    return true;
}

void IndexBlocs::Vider() {
    *this = IndexBlocs();
}

const ContenuIndex* IndexBlocs::Bloc(std::size_t numero) {
    if (blocLu_ && numeroBloc_ == numero) return &bloc_;
    blocLu_ = false;
    bloc_ = ContenuIndex();
    std::vector<unsigned char> octets;
    if (!conteneur_.LireUnite(numero + 1, cle_, ivParDefaut_ ? nullptr : iv_.c_str(), octets) ||
        !AnalyserChargeIndex(octets.data(), octets.size(), bloc_))
        return nullptr;
    numeroBloc_ = numero;
    blocLu_ = true;
    return &bloc_;
}

std::optional<std::vector<std::string>> IndexBlocs::Valeurs(const std::string& cle) {
    if (!ouvert_ || cle.empty()) return std::nullopt;
    // The last block whose first key is not above the key.
    const auto apres = std::upper_bound(premieres_.begin(), premieres_.end(), cle, OctetsInferieurs);
    if (apres == premieres_.begin()) return std::nullopt;
    const ContenuIndex* bloc = Bloc(std::size_t(apres - premieres_.begin()) - 1);
    if (bloc == nullptr) return std::nullopt;
    const auto trouvee = std::lower_bound(bloc->cles.begin(), bloc->cles.end(), cle, OctetsInferieurs);
    if (trouvee == bloc->cles.end() || *trouvee != cle) return std::nullopt;
    return bloc->listes[std::size_t(trouvee - bloc->cles.begin())];
}

std::size_t IndexBlocs::OctetsOccupes() const {
    std::size_t octets = 0;
    for (const std::string& cle : premieres_) octets += cle.capacity();
    for (std::size_t i = 0; i < bloc_.cles.size(); ++i) {
        octets += bloc_.cles[i].capacity();
        for (const std::string& mot : bloc_.listes[i]) octets += mot.capacity();
    }
    return octets;
}

std::vector<unsigned char> EmballerIndexBlocs(const std::map<std::string, std::vector<std::string>>& index,
                                              const std::string& cle, const char* iv, std::size_t tailleBloc) {
    std::vector<const std::pair<const std::string, std::vector<std::string>>*> enregistrements;
    for (const auto& paire : index)
        if (!paire.first.empty()) enregistrements.push_back(&paire);
    std::sort(enregistrements.begin(), enregistrements.end(),
              [](const auto* a, const auto* b) { return OctetsInferieurs(a->first, b->first); });
    std::vector<std::vector<unsigned char>> unites(1);
    std::vector<unsigned char> premieres;
    std::map<std::string, std::vector<std::string>> bloc;
    std::size_t taille = 0, blocs = 0;
    for (std::size_t i = 0; i < enregistrements.size(); ++i) {
        if (bloc.empty()) {
            premieres.insert(premieres.end(), enregistrements[i]->first.begin(), enregistrements[i]->first.end());
            premieres.push_back(0);
        }
        bloc.insert(*enregistrements[i]);
        taille += TailleEnregistrement(enregistrements[i]->first, enregistrements[i]->second);
        if (taille < tailleBloc && i + 1 < enregistrements.size()) continue;
        unites.push_back(EcrireChargeIndex(bloc));
        bloc.clear();
        taille = 0;
        ++blocs;
    }
    AjouterMot32(unites[0], std::uint32_t(enregistrements.size()));
    AjouterMot32(unites[0], std::uint32_t(blocs));
    unites[0].insert(unites[0].end(), premieres.begin(), premieres.end());
    return EmballerUnites(unites, cle, iv, NIVEAU_COMPRESSION_UNITES);
}
