#include "approx/DonneesApproches.h"

#include "approx/MateriauCles.h"
#include "approx/ReglesPhonetiques.h"

namespace {
bool TypeValide(int type) { return type >= 0 && type < NOMBRE_TYPES_CLES; }
}  // namespace

DonneesApproches::DonneesApproches() : regles_(std::make_unique<ReglesPhonetiques>()) {}

DonneesApproches::~DonneesApproches() = default;

DonneesApproches& DonneesApproches::ParDefaut() {
    // Created on first use, kept until exit.
    static DonneesApproches* const donnees = new DonneesApproches();
    return *donnees;
}

bool DonneesApproches::ChargerRegles() {
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    if (regles_->loaded) return true;
    return LireReglesRessource(*regles_);
}

void DonneesApproches::InstallerRegles(const std::string& texte) {
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    *regles_ = ReglesPhonetiques{};
    AjouterRegles(*regles_, texte);
    regles_->loaded = true;
    // Distances measured under other rules no longer hold.
    cachePhonetique_.clear();
}

ReglesPhonetiques& DonneesApproches::Regles() { return *regles_; }

std::string DonneesApproches::Transcrire(const std::string& mot) {
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    ChargerRegles();
    return TranscrireAvec(*regles_, mot);
}

void DonneesApproches::AssurerIndex(int type) {
    if (!TypeValide(type)) return;
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    EtatIndex& etat = index_[type];
    if (etat.charge) return;
    const TypeCle& ligne = TableTypesCles[type];
    etat.charge = etat.index.ChargeRessource(ligne.ressource, true, true, CleIndexApproches(ligne.chaine),
                                             ligne.chaine);
}

bool DonneesApproches::IndexCharge(int type) const {
    if (!TypeValide(type)) return false;
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    return index_[type].charge;
}

Indexeur& DonneesApproches::Index(int type) { return index_[TypeValide(type) ? type : 0].index; }

bool DonneesApproches::InstallerIndex(int type, const unsigned char* octets, std::size_t taille) {
    if (!TypeValide(type)) return false;
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    EtatIndex& etat = index_[type];
    if (!etat.index.ChargeCharge(octets, taille)) return false;
    etat.charge = true;
    return true;
}

void DonneesApproches::AssurerFrequences() {
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    if (!frequencesChargees_) frequencesChargees_ = frequences_.ChargerRessource(RESSOURCE_FREQUENCES);
}

bool DonneesApproches::FrequencesChargees() const {
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    return frequencesChargees_;
}

bool DonneesApproches::InstallerFrequences(const unsigned char* octets, std::size_t taille) {
    std::lock_guard<std::recursive_mutex> garde(verrou_);
    if (!frequences_.ChargerCharge(octets, taille)) return false;
    frequencesChargees_ = true;
    return true;
}
