#include "data/IndexFlexions.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "data/ClesDonnees.h"
#include "data/ConteneurUnites.h"
#include "data/FluxBalise.h"
#include "data/Ressources.h"

namespace {

constexpr float VERSION_FORMAT = 1.0f;
// An entry takes at least a short-string form and an empty list.
constexpr std::size_t OCTETS_MIN_ENTREE = 1 + 2 + 4 + 4;

using Entree = std::pair<std::string, std::vector<std::string>>;

// The blocks of the resource, read in place.
struct IndexEnBlocs {
    ConteneurUnites conteneur;
    std::string cle, iv;
    std::vector<std::string> premieres;  // the first form of each block
    std::size_t blocLu = 0;
    bool blocValide = false;
    std::vector<Entree> bloc;  // the last block read
};

bool LireEntete(FluxBaliseLecteur& flux, std::int32_t& nombre) {
    float version = 0, inutilise = 0;
    if (!flux.LireReel(version) || version != VERSION_FORMAT) return false;
    return flux.LireReel(inutilise) && flux.LireEntier(nombre) && nombre >= 0;
}

bool LireEntrees(FluxBaliseLecteur& flux, std::int32_t nombre, std::vector<Entree>& entrees) {
    entrees.clear();
    entrees.reserve(std::min<std::size_t>(std::size_t(nombre), flux.Reste() / OCTETS_MIN_ENTREE));
    for (std::int32_t i = 0; i < nombre; ++i) {
        Entree entree;
        if (!flux.LireChaine(entree.first) || !flux.LireListe(entree.second)) return false;
        entrees.push_back(std::move(entree));
    }
    return true;
}

// The first forms, strictly ascending, one per block of the container.
bool OuvrirBlocs(const unsigned char* octets, std::size_t taille, IndexEnBlocs& blocs) {
    blocs.cle = CleFlexions();
    blocs.iv = IvFlexions();
    std::vector<unsigned char> premiere;
    if (!blocs.conteneur.Ouvrir(octets, taille) || blocs.conteneur.NombreUnites() == 0 ||
        !blocs.conteneur.LireUnite(0, blocs.cle, blocs.iv.c_str(), premiere))
        return false;
    FluxBaliseLecteur flux(premiere.data(), premiere.size());
    std::int32_t entrees = 0, nombre = 0;
    if (!LireEntete(flux, entrees) || !flux.LireEntier(nombre) || nombre < 0 ||
        std::size_t(nombre) != blocs.conteneur.NombreUnites() - 1)
        return false;
    for (std::int32_t b = 0; b < nombre; ++b) {
        std::string forme;
        if (!flux.LireChaine(forme) || (!blocs.premieres.empty() && !(blocs.premieres.back() < forme))) return false;
        blocs.premieres.push_back(std::move(forme));
    }
    return true;
}

const std::vector<Entree>* Bloc(IndexEnBlocs& blocs, std::size_t numero) {
    if (blocs.blocValide && blocs.blocLu == numero) return &blocs.bloc;
    blocs.blocValide = false;
    std::vector<unsigned char> octets;
    if (!blocs.conteneur.LireUnite(numero + 1, blocs.cle, blocs.iv.c_str(), octets)) return nullptr;
    FluxBaliseLecteur flux(octets.data(), octets.size());
    std::int32_t nombre = 0;
    // A damaged block is refused whole: its forms are not found.
    if (!flux.LireEntier(nombre) || nombre < 0 || !LireEntrees(flux, nombre, blocs.bloc)) return nullptr;
    blocs.blocLu = numero;
    blocs.blocValide = true;
    return &blocs.bloc;
}

std::optional<std::vector<std::string>> ChercherDansBlocs(IndexEnBlocs& blocs, const std::string& forme) {
    const auto apres = std::upper_bound(blocs.premieres.begin(), blocs.premieres.end(), forme);
    if (apres == blocs.premieres.begin()) return std::nullopt;
    const std::vector<Entree>* bloc = Bloc(blocs, std::size_t(apres - blocs.premieres.begin()) - 1);
    if (bloc == nullptr) return std::nullopt;
    // A repeated form keeps its last list.
    const auto trouvee = std::find_if(bloc->rbegin(), bloc->rend(), [&](const Entree& e) { return e.first == forme; });
    if (trouvee == bloc->rend()) return std::nullopt;
    return trouvee->second;
}

}  // namespace

struct IndexFlexions::Etat {
    std::map<std::string, std::vector<std::string>> formes;
    std::optional<IndexEnBlocs> blocs;
    bool charge = false;  // a whole payload was read; until then every use retries
};

IndexFlexions::IndexFlexions() : etat_(std::make_unique<Etat>()) {}
IndexFlexions::~IndexFlexions() = default;

IndexFlexions& IndexFlexions::ParDefaut() {
    static IndexFlexions index;
    return index;
}

bool IndexFlexions::Charger() {
    const unsigned char* octets = nullptr;
    std::size_t taille = 0;
    if (LireRessourceEnPlace(RESSOURCE_FLEXIONS, octets, taille) && OuvrirBlocsEnPlace(octets, taille)) return true;
    // A resource of one piece, as older builds wrote it.
    BlocOctets charge =
        ChargerDonnees(RESSOURCE_FLEXIONS, true, true, CleFlexions(), IvFlexions().c_str());
    return !charge.Vide() && ChargerDepuis(charge.Donnees(), charge.Taille());
}

bool IndexFlexions::OuvrirBlocsEnPlace(const unsigned char* octets, std::size_t taille) {
    IndexEnBlocs blocs;
    if (!OuvrirBlocs(octets, taille, blocs)) return false;
    etat_->formes.clear();
    etat_->blocs = std::move(blocs);
    etat_->charge = true;
    return true;
}

bool IndexFlexions::ChargerDepuis(const unsigned char* octets, std::size_t taille) {
    FluxBaliseLecteur flux(octets, taille);
    std::int32_t nombre = 0;
    if (!LireEntete(flux, nombre)) return false;
    std::vector<Entree> entrees;
    const bool complet = LireEntrees(flux, nombre, entrees);
    std::map<std::string, std::vector<std::string>> formes;
    for (Entree& entree : entrees) formes[std::move(entree.first)] = std::move(entree.second);  // the last list wins
    // The entries before a bad one stay usable until a later load does better.
    etat_->formes = std::move(formes);
    etat_->blocs.reset();
    etat_->charge = complet;
    return complet;
}

void IndexFlexions::Oublier() {
    etat_->formes.clear();
    etat_->blocs.reset();
    etat_->charge = false;
}

std::optional<std::vector<std::string>> IndexFlexions::Lemmes(const std::string& forme) {
    if (!etat_->charge) Charger();
    Etat& etat = *etat_;
    if (etat.blocs) return ChercherDansBlocs(*etat.blocs, forme);
    const auto trouvee = etat.formes.find(forme);
    if (trouvee == etat.formes.end()) return std::nullopt;
    return trouvee->second;
}

bool ChargerIndexFlexions() { return IndexFlexions::ParDefaut().Charger(); }

bool ChargerIndexFlexionsDepuis(const unsigned char* octets, std::size_t taille) {
    return IndexFlexions::ParDefaut().ChargerDepuis(octets, taille);
}

void OublierIndexFlexions() { IndexFlexions::ParDefaut().Oublier(); }

std::optional<std::vector<std::string>> Lemmes(const std::string& forme) {
    return IndexFlexions::ParDefaut().Lemmes(forme);
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

std::vector<unsigned char> EmballerIndexFlexions(const std::map<std::string, std::vector<std::string>>& index,
                                                 std::size_t tailleBloc) {
    std::vector<std::vector<unsigned char>> unites(1);
    std::vector<std::string> premieres;
    std::vector<const std::map<std::string, std::vector<std::string>>::value_type*> bloc;
    std::size_t taille = 0, restantes = index.size();
    const auto fermer = [&] {
        FluxBaliseEcrivain flux;
        flux.EcrireEntier(std::int32_t(bloc.size()));
        for (const auto* entree : bloc) {
            flux.EcrireChaine(entree->first);
            flux.EcrireListe(entree->second);
        }
        unites.push_back(flux.Prendre());
        bloc.clear();
        taille = 0;
    };
    for (const auto& entree : index) {
        if (bloc.empty()) premieres.push_back(entree.first);
        bloc.push_back(&entree);
        taille += entree.first.size() + 16;
        for (const std::string& lemme : entree.second) taille += lemme.size() + 4;
        --restantes;
        if (taille >= tailleBloc || restantes == 0) fermer();
    }
    FluxBaliseEcrivain entete;
    entete.EcrireReel(VERSION_FORMAT);
    entete.EcrireReel(0.0f);
    entete.EcrireEntier(std::int32_t(index.size()));
    entete.EcrireEntier(std::int32_t(premieres.size()));
    for (const std::string& premiere : premieres) entete.EcrireChaine(premiere);
    unites[0] = entete.Prendre();
    return EmballerUnites(unites, CleFlexions(), IvFlexions().c_str(), NIVEAU_COMPRESSION_UNITES);
}
