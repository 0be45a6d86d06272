#include "data/BlocsDictionnaire.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <iterator>
#include <mutex>
#include <string_view>

#include "data/ClesDonnees.h"
#include "data/ConteneurUnites.h"
#include "data/EnregistrementArticle.h"
#include "data/FluxBalise.h"

namespace {

constexpr float VERSION_FORMAT = 1.0f;
// A block number takes at least its integer item.
constexpr std::size_t OCTETS_MIN_ENTIER = 5;

bool LireEntete(FluxBaliseLecteur& flux, std::string& etiquette, std::int32_t& articles, std::int32_t& blocs) {
    float version = 0, inutilise = 0;
    if (!flux.LireReel(version) || version != VERSION_FORMAT) return false;
    return flux.LireReel(inutilise) && flux.LireChaine(etiquette) && flux.LireEntier(articles) &&
           flux.LireEntier(blocs) && articles >= 0 && blocs >= 0 &&
           std::size_t(blocs) <= flux.Reste() / OCTETS_MIN_ENTIER;
}

// Block 0 starts at article 0, each block at least one article after the
// previous one, the last one before the end; no blocks means no articles.
bool LirePremiers(FluxBaliseLecteur& flux, std::int32_t articles, std::int32_t blocs,
                  std::vector<std::uint32_t>& premiers) {
    if ((blocs == 0) != (articles == 0)) return false;
    premiers.reserve(std::size_t(blocs));
    for (std::int32_t b = 0; b < blocs; ++b) {
        std::int32_t premier = 0;
        if (!flux.LireEntier(premier) || premier < 0 || premier >= articles) return false;
        if (b == 0 ? premier != 0 : std::uint32_t(premier) <= premiers.back()) return false;
        premiers.push_back(std::uint32_t(premier));
    }
    return true;
}

// Exactly `nombre` headwords, each ended by its 0x00, filling the string.
bool LireDebuts(const unsigned char* debut, std::size_t longueur, std::size_t base, std::size_t nombre,
                std::vector<std::uint32_t>& debuts) {
    if (nombre > longueur) return false;  // each takes its 0x00 at least
    debuts.reserve(nombre + 1);
    std::size_t position = 0;
    while (position < longueur) {
        const void* fin = std::memchr(debut + position, 0, longueur - position);
        if (fin == nullptr || debuts.size() == nombre) return false;
        debuts.push_back(std::uint32_t(base + position));
        position = std::size_t(static_cast<const unsigned char*>(fin) - debut) + 1;
    }
    if (debuts.size() != nombre) return false;
    debuts.push_back(std::uint32_t(base + position));
    return true;
}

bool PuissanceDeDeux(std::size_t n) { return n != 0 && (n & (n - 1)) == 0; }

// The sections' layout and the first headword of each; a section holds at
// least one headword, so S = N / K rounded up.
bool LireSections(FluxBaliseLecteur& flux, std::size_t articles, unsigned& decalage,
                  std::vector<std::string>& bornes) {
    std::int32_t k = 0, s = 0;
    // A section's headwords inflate as one unit.
    if (!flux.LireEntier(k) || !flux.LireEntier(s) || k < 1 || std::size_t(k) > TAILLE_UNITE_MAX ||
        !PuissanceDeDeux(std::size_t(k)) || s < 0)
        return false;
    const std::size_t parSection = std::size_t(k);
    decalage = 0;
    while ((std::size_t(1) << decalage) < parSection) ++decalage;
    if (std::size_t(s) != (articles + parSection - 1) / parSection) return false;
    // Each first headword takes at least its tag byte.
    if (std::size_t(s) > flux.Reste()) return false;
    bornes.resize(std::size_t(s));
    for (std::string& borne : bornes)
        if (!flux.LireChaine(borne) || borne.find('\0') != std::string::npos) return false;
    return true;
}

std::string EnsembleTitres(const std::vector<std::string>& titres, std::size_t debut, std::size_t fin) {
    std::string ensemble;
    for (std::size_t i = debut; i < fin; ++i) {
        ensemble += titres[i];
        ensemble += '\0';
    }
    return ensemble;
}

std::vector<unsigned char> SansZeroFinal(std::vector<unsigned char> octets) {
    if (!octets.empty()) octets.pop_back();  // the 0x00 a finished stream ends with
    return octets;
}

// An article record parted into its text and the rest.
struct Enregistrement {
    std::vector<unsigned char> texte, reste;
};

Enregistrement Enregistrer(const Article& article) {
    FluxBaliseEcrivain texte, reste;
    texte.EcrireChaine(article.mot);
    texte.EcrireEntier(std::int32_t(article.sens.size()));
    EcrireChampsDescriptifs(reste, article);
    for (const Sens& sens : article.sens) {
        texte.EcrireChaine(sens.definition);
        reste.EcrireListe(sens.exemples);
    }
    return {SansZeroFinal(texte.Prendre()), SansZeroFinal(reste.Prendre())};
}

std::vector<unsigned char> Bloc(const std::vector<Enregistrement>& enregistrements, std::size_t premier,
                                std::size_t fin, std::vector<unsigned char> Enregistrement::*partie) {
    FluxBaliseEcrivain compte;
    compte.EcrireEntier(std::int32_t(fin - premier));
    std::vector<unsigned char> bloc = SansZeroFinal(compte.Prendre());
    for (std::size_t i = premier; i < fin; ++i)
        bloc.insert(bloc.end(), (enregistrements[i].*partie).begin(), (enregistrements[i].*partie).end());
    bloc.push_back(0x00);
    return bloc;
}

// A sense takes at least its definition's tag byte.
bool LireTexte(FluxBaliseLecteur& flux, Article& article) {
    std::int32_t nombre = 0;
    if (!flux.LireChaine(article.mot) || !flux.LireEntier(nombre) || nombre < 0 ||
        std::size_t(nombre) > flux.Reste())
        return false;
    article.sens.resize(std::size_t(nombre));
    for (Sens& sens : article.sens)
        if (!flux.LireChaine(sens.definition)) return false;
    return true;
}

bool LireReste(FluxBaliseLecteur& flux, Article& article) {
    if (!LireChampsDescriptifs(flux, article)) return false;
    for (Sens& sens : article.sens)
        if (!flux.LireListe(sens.exemples)) return false;
    return true;
}

}  // namespace

struct IndexTitres::Sections {
    ConteneurUnites conteneur;
    std::string cle, iv;
    std::size_t premiereUnite = 0;
    std::vector<std::unique_ptr<Section>> gardees;
    std::mutex verrou;  // the inflating of a section
};

IndexTitres::IndexTitres() = default;
IndexTitres::~IndexTitres() = default;
IndexTitres::IndexTitres(IndexTitres&&) noexcept = default;
IndexTitres& IndexTitres::operator=(IndexTitres&&) noexcept = default;

bool IndexTitres::Lire(const ConteneurUnites& conteneur, const std::string& cle, const std::string& iv) {
    std::vector<unsigned char> octets;
    if (!conteneur.LireUnite(0, cle, iv.c_str(), octets)) return false;
    FluxBaliseLecteur flux(octets.data(), octets.size());
    std::string etiquette;
    std::int32_t articles = 0, blocs = 0;
    std::vector<std::uint32_t> premiers;
    std::vector<std::string> bornes;
    unsigned decalage = 0;
    if (!LireEntete(flux, etiquette, articles, blocs) || !LirePremiers(flux, articles, blocs, premiers) ||
        !LireSections(flux, std::size_t(articles), decalage, bornes) ||
        conteneur.NombreUnites() != 1 + 2 * std::size_t(blocs) + bornes.size())
        return false;
    auto sections = std::make_unique<Sections>();
    sections->conteneur = conteneur;
    sections->cle = cle;
    sections->iv = iv;
    sections->premiereUnite = 1 + 2 * std::size_t(blocs);
    sections->gardees.resize(bornes.size());
    lues_ = std::make_unique<std::atomic<const Section*>[]>(bornes.size());
    for (std::size_t s = 0; s < bornes.size(); ++s) lues_[s].store(nullptr);
    nombre_ = std::size_t(articles);
    decalage_ = decalage;
    premiers_ = std::move(premiers);
    bornes_ = std::move(bornes);
    etiquette_ = std::move(etiquette);
    sections_ = std::move(sections);
    return true;
}

const IndexTitres::Section& IndexTitres::Charger(std::size_t numero) const {
    std::lock_guard<std::mutex> garde(sections_->verrou);
    if (const Section* lue = lues_[numero].load(std::memory_order_relaxed)) return *lue;
    const std::size_t premier = numero << decalage_;
    const std::size_t nombre = std::min(Masque() + 1, nombre_ - premier);
    auto section = std::make_unique<Section>();
    std::vector<unsigned char> octets;
    const unsigned char* titres = nullptr;
    std::size_t longueur = 0;
    bool saine = sections_->conteneur.LireUnite(sections_->premiereUnite + numero, sections_->cle,
                                                sections_->iv.c_str(), octets);
    if (saine) {
        FluxBaliseLecteur flux(octets.data(), octets.size());
        saine = flux.LireVue(titres, longueur) &&
                LireDebuts(titres, longueur, std::size_t(titres - octets.data()), nombre, section->debuts) &&
                std::string_view(reinterpret_cast<const char*>(octets.data()) + section->debuts[0],
                                 section->debuts[1] - section->debuts[0] - 1) == bornes_[numero];
    }
    if (saine)
        section->octets = std::move(octets);
    else
        section->debuts.clear();  // read as its first headword
    const Section* publiee = section.get();
    sections_->gardees[numero] = std::move(section);
    lues_[numero].store(publiee, std::memory_order_release);
    return *publiee;
}

std::size_t IndexTitres::SectionsLues() const {
    if (!sections_) return 0;
    std::lock_guard<std::mutex> garde(sections_->verrou);
    std::size_t lues = 0;
    for (const auto& section : sections_->gardees) lues += section != nullptr;
    return lues;
}

void IndexTitres::Vider() {
    nombre_ = 0;
    decalage_ = 0;
    premiers_.clear();
    bornes_.clear();
    lues_.reset();
    sections_.reset();
}

std::vector<std::vector<unsigned char>> EcrireIndexTitres(const std::string& etiquette,
                                                          const std::vector<std::string>& titres,
                                                          const std::vector<std::uint32_t>& premiers,
                                                          std::size_t titresParSection) {
    if (!PuissanceDeDeux(titresParSection)) return {};
    for (const std::string& titre : titres)
        if (titre.find('\0') != std::string::npos) return {};
    const std::size_t sections = (titres.size() + titresParSection - 1) / titresParSection;
    FluxBaliseEcrivain flux;
    flux.EcrireReel(VERSION_FORMAT);
    flux.EcrireReel(0.0f);
    flux.EcrireChaine(etiquette);
    flux.EcrireEntier(std::int32_t(titres.size()));
    flux.EcrireEntier(std::int32_t(premiers.size()));
    for (std::uint32_t premier : premiers) flux.EcrireEntier(std::int32_t(premier));
    flux.EcrireEntier(std::int32_t(titresParSection));
    flux.EcrireEntier(std::int32_t(sections));
    for (std::size_t s = 0; s < sections; ++s) flux.EcrireChaine(titres[s * titresParSection]);
    std::vector<std::vector<unsigned char>> unites;
    unites.push_back(flux.Prendre());
    for (std::size_t s = 0; s < sections; ++s) {
        FluxBaliseEcrivain section;
        section.EcrireChaine(
            EnsembleTitres(titres, s * titresParSection, std::min(titres.size(), (s + 1) * titresParSection)));
        unites.push_back(section.Prendre());
    }
    return unites;
}

bool LireCompteBloc(FluxBaliseLecteur& flux, std::size_t attendus) {
    std::int32_t nombre = 0;
    return flux.LireEntier(nombre) && nombre >= 0 && std::size_t(nombre) == attendus;
}

bool LireBlocArticles(const std::vector<unsigned char>& texte, const std::vector<unsigned char>& reste,
                      std::size_t attendus, std::vector<Article>& articles) {
    articles.clear();
    FluxBaliseLecteur fluxTexte(texte.data(), texte.size()), fluxReste(reste.data(), reste.size());
    if (!LireCompteBloc(fluxTexte, attendus) || !LireCompteBloc(fluxReste, attendus)) return false;
    articles.reserve(attendus);
    for (std::size_t i = 0; i < attendus; ++i) {
        Article article;
        if (!LireTexte(fluxTexte, article) || !LireReste(fluxReste, article)) return false;
        articles.push_back(std::move(article));
    }
    return true;
}

std::vector<unsigned char> EmballerDictionnaire(const std::string& etiquette, const std::vector<Article>& articles,
                                                std::size_t tailleBloc, int niveau, std::size_t titresParSection) {
    std::vector<std::string> titres;
    std::vector<std::uint32_t> premiers;
    std::vector<Enregistrement> enregistrements;
    enregistrements.reserve(articles.size());
    for (const Article& article : articles) {
        titres.push_back(article.mot);
        enregistrements.push_back(Enregistrer(article));
    }
    std::vector<std::vector<unsigned char>> textes, restes;
    std::size_t premier = 0, taille = 0;
    for (std::size_t i = 0; i < enregistrements.size(); ++i) {
        taille += enregistrements[i].texte.size() + enregistrements[i].reste.size();
        if (taille < tailleBloc && i + 1 < enregistrements.size()) continue;
        premiers.push_back(std::uint32_t(premier));
        textes.push_back(Bloc(enregistrements, premier, i + 1, &Enregistrement::texte));
        restes.push_back(Bloc(enregistrements, premier, i + 1, &Enregistrement::reste));
        premier = i + 1;
        taille = 0;
    }
    std::vector<std::vector<unsigned char>> unites(1);
    std::move(textes.begin(), textes.end(), std::back_inserter(unites));
    std::move(restes.begin(), restes.end(), std::back_inserter(unites));
    std::vector<std::vector<unsigned char>> index = EcrireIndexTitres(etiquette, titres, premiers, titresParSection);
    if (index.empty()) return {};
    unites[0] = std::move(index[0]);
    std::move(index.begin() + 1, index.end(), std::back_inserter(unites));
    return EmballerUnites(unites, CleDictionnaire(), IvDictionnaire().c_str(), niveau);
}
