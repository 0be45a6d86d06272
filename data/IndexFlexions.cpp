#include "data/IndexFlexions.h"

#include <cstdint>

#include "data/ClesDonnees.h"
#include "data/FluxBalise.h"
#include "data/Ressources.h"

namespace {

constexpr float VERSION_FORMAT = 1.0f;

struct EtatIndex {
    std::map<std::string, std::vector<std::string>> formes;
    bool charge = false;  // a whole payload was read; until then every use retries
};

EtatIndex& Index() {
    static EtatIndex etat;
    return etat;
}

bool LireEntete(FluxBaliseLecteur& flux, std::int32_t& nombre) {
    float version = 0, inutilise = 0;
    if (!flux.LireReel(version) || version != VERSION_FORMAT) return false;
    return flux.LireReel(inutilise) && flux.LireEntier(nombre) && nombre >= 0;
}

void ChargerIndexFlexions() {
    BlocOctets charge =
        ChargerDonnees(RESSOURCE_FLEXIONS, true, true, CleFlexions(), IvFlexions().c_str());
    if (!charge.Vide()) ChargerIndexFlexionsDepuis(charge.Donnees(), charge.Taille());
}

}  // namespace

bool ChargerIndexFlexionsDepuis(const unsigned char* octets, std::size_t taille) {
    FluxBaliseLecteur flux(octets, taille);
    std::int32_t nombre = 0;
    if (!LireEntete(flux, nombre)) return false;
    std::map<std::string, std::vector<std::string>> formes;
    bool complet = true;
    for (std::int32_t i = 0; i < nombre && complet; ++i) {
        std::string forme;
        std::vector<std::string> lemmes;
        complet = flux.LireChaine(forme) && flux.LireListe(lemmes);
        if (complet) formes[std::move(forme)] = std::move(lemmes);  // a repeated form keeps its last list
    }
    // The entries before a bad one stay usable until a later load does better.
    EtatIndex& etat = Index();
    etat.formes = std::move(formes);
    etat.charge = complet;
    return complet;
}

void OublierIndexFlexions() {
    EtatIndex& etat = Index();
    etat.formes.clear();
    etat.charge = false;
}

std::optional<std::vector<std::string>> Lemmes(const std::string& forme) {
    if (!Index().charge) ChargerIndexFlexions();
    const auto& formes = Index().formes;
    const auto trouvee = formes.find(forme);
    if (trouvee == formes.end()) return std::nullopt;
    return trouvee->second;
}

std::vector<unsigned char> EcrireIndexFlexions(
    const std::map<std::string, std::vector<std::string>>& index) {
    FluxBaliseEcrivain flux;
    flux.EcrireReel(VERSION_FORMAT);
    flux.EcrireReel(0.0f);
    flux.EcrireEntier(std::int32_t(index.size()));
    for (const auto& [forme, lemmes] : index) {
        flux.EcrireChaine(forme);
        flux.EcrireListe(lemmes);
    }
    return flux.Prendre();
}
