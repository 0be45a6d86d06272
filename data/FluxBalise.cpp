#include "data/FluxBalise.h"

#include <cstring>

namespace {

constexpr unsigned char BALISE_ENTIER = 0x04;
constexpr unsigned char BALISE_REEL = 0x05;
constexpr unsigned char BALISE_COURTE = 0x0A;  // + length, up to LONGUEUR_COURTE_MAX
constexpr unsigned char BALISE_LONGUE = 0x78;
constexpr unsigned char BALISE_TRES_LONGUE = 0x79;
constexpr unsigned char BALISE_LISTE = 0x85;
constexpr unsigned char BALISE_TABLE = 0x8F;
constexpr std::size_t LONGUEUR_COURTE_MAX = 100;
constexpr std::size_t LONGUEUR_LONGUE_MAX = 65535;
// The smallest encoding of one element: a list element is its int32 length,
// a map element two of them. Counts are checked against these before any
// allocation, so a forged count cannot make the reader reserve memory.
constexpr std::size_t OCTETS_MIN_ELEMENT_LISTE = 4;
constexpr std::size_t OCTETS_MIN_ELEMENT_TABLE = 8;

// A read position that only the successful end of an item commits.
class Curseur {
public:
    Curseur(const unsigned char* octets, std::size_t taille, std::size_t position)
        : octets_(octets), taille_(taille), position_(position) {}

    std::size_t Position() const { return position_; }
    std::size_t Reste() const { return taille_ - position_; }

    bool Octet(unsigned char& octet) {
        if (Reste() < 1) return false;
        octet = octets_[position_++];
        return true;
    }
    bool Attendre(unsigned char balise) {
        unsigned char lu = 0;
        return Octet(lu) && lu == balise;
    }
    bool Mot32(std::uint32_t& valeur) {
        if (Reste() < 4) return false;
        const unsigned char* p = octets_ + position_;
        valeur = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                 std::uint32_t(p[3]) << 24;
        position_ += 4;
        return true;
    }
    bool Entier32(std::int32_t& valeur) {
        std::uint32_t brut = 0;
        if (!Mot32(brut)) return false;
        valeur = static_cast<std::int32_t>(brut);
        return true;
    }
    // A stored length or count: not negative and, counting `octetsParUnite`
    // bytes per unit, not beyond the end of the block.
    bool Nombre(std::size_t octetsParUnite, std::size_t& nombre) {
        std::int32_t valeur = 0;
        if (!Entier32(valeur) || valeur < 0) return false;
        if (std::size_t(valeur) > Reste() / octetsParUnite) return false;
        nombre = std::size_t(valeur);
        return true;
    }
    bool Octets(std::size_t longueur, std::string& valeur) {
        if (longueur > Reste()) return false;
        valeur.assign(reinterpret_cast<const char*>(octets_ + position_), longueur);
        position_ += longueur;
        return true;
    }
    bool VueComptee(std::string_view& vue) {
        std::size_t longueur = 0;
        if (!Nombre(1, longueur) || longueur > Reste()) return false;
        vue = std::string_view(reinterpret_cast<const char*>(octets_ + position_), longueur);
        position_ += longueur;
        return true;
    }
    bool ChaineComptee(std::string& valeur) {
        std::size_t longueur = 0;
        return Nombre(1, longueur) && Octets(longueur, valeur);
    }

private:
    const unsigned char* octets_;
    std::size_t taille_;
    std::size_t position_;
};

void AjouterMot32(std::vector<unsigned char>& octets, std::uint32_t valeur) {
    for (int decalage = 0; decalage < 32; decalage += 8)
        octets.push_back(static_cast<unsigned char>(valeur >> decalage));
}

void AjouterEntier32(std::vector<unsigned char>& octets, std::int64_t valeur) {
    AjouterMot32(octets, static_cast<std::uint32_t>(valeur));
}

void AjouterOctets(std::vector<unsigned char>& octets, const std::string& texte) {
    octets.insert(octets.end(), texte.begin(), texte.end());
}

void AjouterChaineComptee(std::vector<unsigned char>& octets, const std::string& texte) {
    AjouterEntier32(octets, std::int64_t(texte.size()));
    AjouterOctets(octets, texte);
}

// A string list's markers, its total (skipped) and its count, bounded by
// what is left of the block.
bool LireEnTeteListe(Curseur& curseur, std::size_t& nombre) {
    std::int32_t total = 0;
    return curseur.Attendre(BALISE_LISTE) && curseur.Attendre(BALISE_TRES_LONGUE) && curseur.Entier32(total) &&
           curseur.Nombre(OCTETS_MIN_ELEMENT_LISTE, nombre);
}

// A table's markers, its total (skipped) and its pair count, bounded by
// what is left of the block.
bool LireEnTeteTable(Curseur& curseur, std::size_t& nombre) {
    std::int32_t total = 0;
    return curseur.Attendre(BALISE_TABLE) && curseur.Attendre(BALISE_TRES_LONGUE) &&
           curseur.Attendre(BALISE_TRES_LONGUE) && curseur.Entier32(total) &&
           curseur.Nombre(OCTETS_MIN_ELEMENT_TABLE, nombre);
}

}  // namespace

FluxBaliseLecteur::FluxBaliseLecteur(const unsigned char* octets, std::size_t taille)
    : octets_(octets), taille_(octets == nullptr ? 0 : taille) {}

bool FluxBaliseLecteur::LireEntier(std::int32_t& valeur) {
    Curseur curseur(octets_, taille_, position_);
    std::int32_t lu = 0;
    if (!curseur.Attendre(BALISE_ENTIER) || !curseur.Entier32(lu)) return false;
    valeur = lu;
    position_ = curseur.Position();
    return true;
}

bool FluxBaliseLecteur::LireReel(float& valeur) {
    Curseur curseur(octets_, taille_, position_);
    std::uint32_t brut = 0;
    if (!curseur.Attendre(BALISE_REEL) || !curseur.Mot32(brut)) return false;
    std::memcpy(&valeur, &brut, sizeof valeur);
    position_ = curseur.Position();
    return true;
}

bool FluxBaliseLecteur::LireChaine(std::string& valeur) {
    Curseur curseur(octets_, taille_, position_);
    unsigned char balise = 0;
    if (!curseur.Octet(balise)) return false;
    std::string lu;
    if (balise >= BALISE_COURTE && balise <= BALISE_COURTE + LONGUEUR_COURTE_MAX) {
        if (!curseur.Octets(balise - BALISE_COURTE, lu)) return false;
    } else if (balise == BALISE_LONGUE || balise == BALISE_TRES_LONGUE) {
        if (!curseur.ChaineComptee(lu)) return false;
    } else {
        return false;
    }
    valeur = std::move(lu);
    position_ = curseur.Position();
    return true;
}

bool FluxBaliseLecteur::LireVue(const unsigned char*& debut, std::size_t& longueur) {
    Curseur curseur(octets_, taille_, position_);
    unsigned char balise = 0;
    if (!curseur.Octet(balise)) return false;
    std::size_t lue = 0;
    if (balise >= BALISE_COURTE && balise <= BALISE_COURTE + LONGUEUR_COURTE_MAX)
        lue = balise - BALISE_COURTE;
    else if (balise != BALISE_LONGUE && balise != BALISE_TRES_LONGUE) return false;
    else if (!curseur.Nombre(1, lue)) return false;
    if (lue > curseur.Reste()) return false;
    debut = octets_ + curseur.Position();
    longueur = lue;
    position_ = curseur.Position() + lue;
    return true;
}

bool FluxBaliseLecteur::LireListe(std::vector<std::string>& valeur) {
    Curseur curseur(octets_, taille_, position_);
    std::size_t nombre = 0;
    if (!LireEnTeteListe(curseur, nombre)) return false;
    std::vector<std::string> lu(nombre);
    for (std::string& element : lu)
        if (!curseur.ChaineComptee(element)) return false;
    valeur = std::move(lu);
    position_ = curseur.Position();
    return true;
}

bool FluxBaliseLecteur::LireListeVues(std::vector<std::string_view>& valeur) {
    Curseur curseur(octets_, taille_, position_);
    std::size_t nombre = 0;
    if (!LireEnTeteListe(curseur, nombre)) return false;
    valeur.resize(nombre);
    for (std::string_view& element : valeur)
        if (!curseur.VueComptee(element)) return false;
    position_ = curseur.Position();
    return true;
}

bool FluxBaliseLecteur::SauterTable() {
    Curseur curseur(octets_, taille_, position_);
    std::size_t nombre = 0;
    if (!LireEnTeteTable(curseur, nombre)) return false;
    std::string_view cle, texte;
    for (std::size_t i = 0; i < nombre; ++i)
        if (!curseur.VueComptee(cle) || !curseur.VueComptee(texte)) return false;
    position_ = curseur.Position();
    return true;
}

bool FluxBaliseLecteur::LireTable(std::map<std::string, std::string>& valeur) {
    Curseur curseur(octets_, taille_, position_);
    std::size_t nombre = 0;
    if (!LireEnTeteTable(curseur, nombre)) return false;
    std::map<std::string, std::string> lu;
    for (std::size_t i = 0; i < nombre; ++i) {
        std::string cle, texte;
        if (!curseur.ChaineComptee(cle) || !curseur.ChaineComptee(texte)) return false;
        lu[std::move(cle)] = std::move(texte);  // a repeated key keeps its last text
    }
    valeur = std::move(lu);
    position_ = curseur.Position();
    return true;
}

// Each item replaces the 0x00 that ended the stream and stores a new one.
void FluxBaliseEcrivain::EcrireEntier(std::int32_t valeur) {
    Commencer();
    octets_.push_back(BALISE_ENTIER);
    AjouterEntier32(octets_, valeur);
    Terminer();
}

void FluxBaliseEcrivain::EcrireReel(float valeur) {
    Commencer();
    octets_.push_back(BALISE_REEL);
    std::uint32_t brut = 0;
    std::memcpy(&brut, &valeur, sizeof brut);
    AjouterMot32(octets_, brut);
    Terminer();
}

void FluxBaliseEcrivain::EcrireChaine(const std::string& valeur) {
    Commencer();
    if (valeur.size() <= LONGUEUR_COURTE_MAX) {
        octets_.push_back(static_cast<unsigned char>(BALISE_COURTE + valeur.size()));
        AjouterOctets(octets_, valeur);
    } else {
        octets_.push_back(valeur.size() <= LONGUEUR_LONGUE_MAX ? BALISE_LONGUE : BALISE_TRES_LONGUE);
        AjouterChaineComptee(octets_, valeur);
    }
    Terminer();
}

void FluxBaliseEcrivain::EcrireListe(const std::vector<std::string>& valeur) {
    Commencer();
    std::int64_t total = 4;
    for (const std::string& element : valeur) total += 4 + std::int64_t(element.size());
    octets_.push_back(BALISE_LISTE);
    octets_.push_back(BALISE_TRES_LONGUE);
    AjouterEntier32(octets_, total);
    AjouterEntier32(octets_, std::int64_t(valeur.size()));
    for (const std::string& element : valeur) AjouterChaineComptee(octets_, element);
    Terminer();
}

void FluxBaliseEcrivain::EcrireTable(const std::map<std::string, std::string>& valeur) {
    Commencer();
    std::int64_t total = 4;
    for (const auto& [cle, texte] : valeur)
        total += 8 + std::int64_t(cle.size()) + std::int64_t(texte.size());
    octets_.push_back(BALISE_TABLE);
    octets_.push_back(BALISE_TRES_LONGUE);
    octets_.push_back(BALISE_TRES_LONGUE);
    AjouterEntier32(octets_, total);
    AjouterEntier32(octets_, std::int64_t(valeur.size()));
    for (const auto& [cle, texte] : valeur) {
        AjouterChaineComptee(octets_, cle);
        AjouterChaineComptee(octets_, texte);
    }
    Terminer();
}

void FluxBaliseEcrivain::Commencer() {
    if (!octets_.empty()) octets_.pop_back();
}

void FluxBaliseEcrivain::Terminer() { octets_.push_back(0x00); }
