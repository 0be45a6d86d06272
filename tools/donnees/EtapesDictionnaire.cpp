#include "tools/donnees/EtapesDictionnaire.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <set>

#include "data/ClesDonnees.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "platform/RemplacementFichier.h"
#include "text/Cp1252.h"
#include "tools/donnees/DictionnaireLittre.h"
#include "tools/donnees/OrdreFormes.h"
#include "tools/donnees/ReparationsSens.h"

namespace {

// On a terminal the count is rewritten in place; in a build log, one line
// every tenth of the way.
void AfficherProgression(std::size_t faits, std::size_t total) {
    static const bool terminal = isatty(STDERR_FILENO) != 0;
    const std::size_t pas = terminal ? 1000 : (total + 9) / 10;
    if (faits % pas != 0 && faits != total) return;
    std::fprintf(stderr, terminal ? "\rLittr\xC3\xA9 : %zu / %zu articles"
                                  : "Littr\xC3\xA9 : %zu / %zu articles\n", faits, total);
    if (terminal && faits == total) std::fputc('\n', stderr);
    std::fflush(stderr);
}

// SOURCE_DATE_EPOCH, when set, keeps rebuilt data byte-identical.
std::string DateDuJour() {
    std::time_t maintenant = std::time(nullptr);
    if (const char* epoque = std::getenv("SOURCE_DATE_EPOCH")) maintenant = std::atoll(epoque);
    char texte[16] = {};
    std::tm utc{};
    gmtime_r(&maintenant, &utc);
    std::strftime(texte, sizeof texte, "%Y-%m-%d", &utc);
    return texte;
}

// The help window shows the label: it says how many articles the edition lost.
std::string Etiquette(const std::string& versionsEnrichissement, std::size_t articlesPerdus) {
    std::string etiquette = "Littr\xE9 (XMLittr\xE9, stardict-xmlittre " + VersionPaquet("stardict-xmlittre");
    if (articlesPerdus > 0) etiquette += ", " + std::to_string(articlesPerdus) + " articles absents de cette \xE9" "dition";
    etiquette += ")";
    if (!versionsEnrichissement.empty()) etiquette += " ; " + versionsEnrichissement;
    return etiquette + " ; construit le " + DateDuJour();
}

// Written beside the target, then renamed: an interrupted build never leaves
// a truncated resource that looks up to date.
bool Ecrire(const std::filesystem::path& chemin, const std::string_view octets, RapportEtape& rapport) {
    rapport.Compter(chemin.filename().string(), octets.size());
    return !octets.empty() && RemplacerFichier(chemin.string(), octets);
}

std::string_view Octets(const std::vector<unsigned char>& octets) {
    return {reinterpret_cast<const char*>(octets.data()), octets.size()};
}

// The forms whose headwords a step of their own put in order: old spellings
// (today's first) and the grammatical words' forms (the table's word first).
std::set<std::string> FormesAuxVedettesFixees(const BilanGraphies& graphies) {
    std::set<std::string> fixes;
    for (const auto& [ancienne, moderne] : graphies.anciennes) fixes.insert(ancienne);
    for (const FormeGrammaticale& forme : TableMotsGrammaticaux()) fixes.insert(forme.forme);
    return fixes;
}

void Ajouter(BilanCategories& total, const BilanCategories& bilan) {
    total.ajoutees += bilan.ajoutees;
    total.corrigees += bilan.corrigees;
    total.genres += bilan.genres;
}

void CompterCategories(const BilanCategories& bilan, RapportEtape& rapport) {
    rapport.Compter("cat\xC3\xA9gories ajout\xC3\xA9\x65s", bilan.ajoutees);
    rapport.Compter("corrig\xC3\xA9\x65s", bilan.corrigees);
    rapport.Compter("genres", bilan.genres);
}

void AfficherChiffres(const Construction& c) {
    const ComptesDictionnaire comptes = CompterArticles(c.articles);
    const BilanEnrichissement& bilan = c.enrichissement;
    const BilanAntonymes& antonymes = c.antonymes;
    std::printf("Dictionnaire : %s\n", Cp1252VersUtf8(c.etiquette).c_str());
    std::printf("  articles du Littr\xC3\xA9      %zu\n", c.articlesLittre);
    std::printf("  articles ajout\xC3\xA9s        %zu\n", bilan.articlesAjoutes);
    std::printf("  mots sans d\xC3\xA9\x66inition    %zu (autres graphies et pluriels index\xC3\xA9s %zu)\n",
                bilan.motsSansDefinition, bilan.variantes);
    std::printf("  articles en tout        %zu\n", comptes.articles);
    std::printf("  mots distincts          %zu\n", comptes.motsDistincts);
    std::printf("  sens                    %zu\n", comptes.sens);
    std::printf("  exemples                %zu\n", comptes.exemples);
    std::printf("  formes fl\xC3\xA9\x63hies index\xC3\xA9\x65s %zu\n", bilan.formesIndexees);
    std::printf("  mots avec synonymes     %zu\n", bilan.motsAvecSynonymes);
    std::printf("  communes                %zu\n", bilan.communes);
    std::printf("  mots avec antonymes     %zu\n", antonymes.motsAvecAntonymes);
    std::printf("  paires d'antonymes      %zu\n", antonymes.pairesPlacees);
    for (const auto& [source, paires] : antonymes.pairesParSource)
        std::printf("    %-21s %zu\n", Cp1252VersUtf8(source).c_str(), paires);
    for (const auto& [source, candidats] : antonymes.candidats)
        std::printf("    candidats %s : %zu\n", Cp1252VersUtf8(source).c_str(), candidats);
}

}  // namespace

bool EtapeChargement(Construction& c, RapportEtape& rapport) {
    return ChargerSources(c.options.chemins, c.options.enrichir, c.sources, rapport);
}

bool EtapeLittre(Construction& c, RapportEtape& rapport) {
    std::fprintf(stderr, "Lecture du Littr\xC3\xA9...\n");
    const bool converti = ConvertirLittre(c.sources.littre, c.articles, AfficherProgression);
    c.sources.OublierTexteLittre();  // the index stays, for the lost names
    if (!converti) {
        std::fprintf(stderr, "ERREUR : le Littr\xC3\xA9 (stardict-xmlittre) est illisible\n");
        return false;
    }
    c.articlesLittre = c.articles.size();
    rapport.Compter("articles", c.articlesLittre);
    return true;
}

bool EtapeLettresPerdues(Construction& c, RapportEtape& rapport) {
    c.lettresRendues = RendreLettresPerdues(c.articles);
    rapport.Compter("sens rendus", c.lettresRendues);
    return true;
}

bool EtapeCategories(Construction& c, RapportEtape& rapport) {
    c.categories = CorrigerCategories(c.articles, c.sources.lectures);
    CompterCategories(c.categories, rapport);
    return true;
}

bool EtapeGraphies(Construction& c, RapportEtape& rapport) {
    std::fprintf(stderr, "Graphies d'aujourd'hui...\n");
    c.graphies = ModerniserGraphies(c.articles, c.sources.graphies);
    c.graphiesTexte = ModerniserTextes(c.articles, c.sources.graphies);
    // A headword the spelling dictionary knows only in today's spelling
    // (hors-d'oeuvre) gets its category once it has that spelling.
    const BilanCategories apresGraphies = CorrigerCategories(c.articles, c.sources.lectures);
    Ajouter(c.categories, apresGraphies);
    rapport.Compter("vedettes", c.graphies.vedettes);
    rapport.Compter("mots du texte", c.graphiesTexte.motsCitations + c.graphiesTexte.motsDefinitions);
    CompterCategories(apresGraphies, rapport);
    return true;
}

bool EtapeComplements(Construction& c, RapportEtape& rapport) {
    std::fprintf(stderr, "Sources compl\xC3\xA9mentaires...\n");
    c.enrichissement = Enrichir(c.articles, c.index, c.sources.Enrichissement(), &c.signaux);
    c.sources.OublierEnrichissement();
    IndexerAnciennesGraphies(c.graphies, c.articles, c.index);
    c.grammaticaux = IndexerMotsGrammaticaux(c.articles, c.index);
    const BilanEnrichissement& bilan = c.enrichissement;
    rapport.Compter("articles ajout\xC3\xA9s", bilan.articlesAjoutes);
    rapport.Compter("communes", bilan.communes);
    rapport.Compter("mots avec synonymes", bilan.motsAvecSynonymes);
    rapport.Compter("formes index\xC3\xA9\x65s", bilan.formesIndexees);
    rapport.Compter("formes grammaticales", c.grammaticaux.formes);
    return true;
}

bool EtapeFrequences(Construction& c, RapportEtape& rapport) {
    std::fprintf(stderr, "Fr\xC3\xA9quences...\n");
    c.frequences = CalculerFrequences(c.articles, c.articlesLittre, c.signaux);
    c.emplois = CompterEmplois(c.articles, c.articlesLittre, MotsAEmploisPartages(c.articles));
    rapport.Compter("vedettes", c.frequences.size());
    rapport.Compter("mots aux emplois partag\xC3\xA9s", c.emplois.size());
    return true;
}

bool EtapeDesAntonymes(Construction& c, RapportEtape& rapport) {
    std::fprintf(stderr, "Antonymes...\n");
    c.antonymes = AjouterAntonymes(c.articles, c.index, c.sources.antonymes, c.sources.thesaurus,
                                   c.options.chemins.antonymes.listePaires);
    c.sources.OublierAntonymes();
    rapport.Compter("paires", c.antonymes.pairesPlacees);
    rapport.Compter("mots", c.antonymes.motsAvecAntonymes);
    return true;
}

bool EtapeOrdreFormes(Construction& c, RapportEtape& rapport) {
    OrdonnerIndexFlexions(c.index, c.frequences, FormesAuxVedettesFixees(c.graphies), c.signaux.poidsLectures);
    rapport.Compter("formes", c.index.size());
    return true;
}

bool EtapeTri(Construction& c, RapportEtape& rapport) {
    std::fprintf(stderr, "Tri de %zu articles...\n", c.articles.size());
    TrierArticles(c.articles);
    // Prepared on the Littré's order of homographs, which its numbers count.
    c.renvoisSuivis = PreparerRenvois(c.articles);
    rapport.Compter("articles", c.articles.size());
    rapport.Compter("renvois \xC3\xA0 suivre", c.renvoisSuivis.size());
    return true;
}

bool EtapeLignesCategorie(Construction& c, RapportEtape& rapport) {
    c.lignes = OrdonnerLignesCategorie(c.articles, c.sources.lectures, c.emplois);
    rapport.Compter("r\xC3\xA9ordonn\xC3\xA9\x65s", c.lignes.reordonnees);
    rapport.Compter("fragments retir\xC3\xA9s", c.lignes.fragments);
    return true;
}

bool EtapeHomographes(Construction& c, RapportEtape& rapport) {
    OrdonnerHomographes(c.articles, c.sources.lectures, c.emplois);
    rapport.Compter("articles", c.articles.size());
    return true;
}

bool EtapeRenvois(Construction& c, RapportEtape& rapport) {
    c.renvois = PlacerRenvois(c.articles, c.renvoisSuivis);
    std::vector<RenvoiSuivi>().swap(c.renvoisSuivis);
    rapport.Compter("renvois suivis", c.renvois);
    return true;
}

// Last, on the final order: today's meanings open their word.
bool EtapeDefinitionsVocalia(Construction& c, RapportEtape& rapport) {
    if (!AjouterDefinitionsVocalia(c.sources.definitions, c.articles, c.sources.lectures, c.definitions))
        return false;
    const BilanDefinitions& d = c.definitions;
    if (d.completes + d.devantLittre + d.nouveaux > 0) {
        std::string& versions = c.enrichissement.versions;
        versions += (versions.empty() ? "" : ", ") + std::string(MARQUE_DEFINITIONS_VOCALIA);
    }
    rapport.Compter("blocs", d.blocs);
    rapport.Compter("compl\xC3\xA9t\xC3\xA9s", d.completes);
    rapport.Compter("devant le Littr\xC3\xA9", d.devantLittre);
    rapport.Compter("nouveaux", d.nouveaux);
    return true;
}

bool EtapeControleOrdre(Construction& c, RapportEtape& rapport) {
    const std::size_t rupture = PremiereRuptureOrdre(c.articles);
    rapport.Compter("articles", c.articles.size());
    if (rupture == c.articles.size()) return true;
    std::fprintf(stderr, "ERREUR : ordre rompu \xC3\xA0 l'article %zu\n", rupture);
    return false;
}

bool EtapeNomsPerdus(Construction& c, RapportEtape& rapport) {
    c.perdus = NomsPerdus(c.sources.littre.index);
    rapport.Compter("articles perdus", c.perdus.mots.size());
    rapport.Compter("noms", c.perdus.noms);
    return true;
}

bool EtapeEcriture(Construction& c, RapportEtape& rapport) {
    c.etiquette = Etiquette(c.enrichissement.versions, c.perdus.mots.size());
    std::fprintf(stderr, "Encodage, compression et chiffrement...\n");
    const std::filesystem::path dossier = c.options.sortie;
    std::error_code erreur;
    std::filesystem::create_directories(dossier, erreur);
    const std::vector<unsigned char> dictionnaire = EmballerDictionnaire(c.etiquette, c.articles);
    const std::vector<unsigned char> flexions = EmballerIndexFlexions(c.index);
    const std::string frequences = TexteFrequences(c.frequences);
    if (Ecrire(dossier / RESSOURCE_DICTIONNAIRE, Octets(dictionnaire), rapport) &&
        Ecrire(dossier / RESSOURCE_FLEXIONS, Octets(flexions), rapport) &&
        Ecrire(dossier / FICHIER_FREQUENCES, frequences, rapport))
        return true;
    std::fprintf(stderr, "ERREUR : \xC3\xA9\x63riture impossible dans %s\n", c.options.sortie.c_str());
    return false;
}

bool EtapeAudit(Construction& c, RapportEtape& rapport) {
    const auto& index = c.index;
    c.audit = AuditerDonnees(c.articles, [&index](const std::string& f) { return index.count(f) != 0; },
                             c.sources.lectures);
    if (!c.sources.littre.index.empty()) AuditerNomsPerdus(c.perdus, c.articles, c.sources.lectures, c.audit);
    c.auditTexte = AuditerTexte(c.articles, {});
    rapport.Compter("articles", c.audit.articles);
    return true;
}

void AfficherRapport(const Construction& c, const std::vector<RapportEtape>& etapes) {
    AfficherChiffres(c);
    std::printf("%s", TexteBilanDefinitions(c.definitions).c_str());
    std::printf("%s", TexteBilanGraphies(c.graphies).c_str());
    std::printf("%s", TexteBilanGraphiesTexte(c.graphiesTexte).c_str());
    std::printf("  renvois suivis          %zu\n", c.renvois);
    std::printf("  sens aux lettres perdues rendues %zu\n", c.lettresRendues);
    std::printf("%s", TexteBilanMotsGrammaticaux(c.grammaticaux).c_str());
    std::printf("%s", TexteBilanFrequences(c.frequences).c_str());
    std::printf("  lignes de cat\xC3\xA9gorie r\xC3\xA9ordonn\xC3\xA9\x65s %zu, fragments retir\xC3\xA9s %zu\n",
                c.lignes.reordonnees, c.lignes.fragments);
    std::printf("  cat\xC3\xA9gories prises de hunspell %zu (sans cat\xC3\xA9gorie) + %zu (mal class\xC3\xA9\x65s), "
                "genres %zu\n", c.categories.ajoutees, c.categories.corrigees, c.categories.genres);
    std::printf("Audit :\n");
    AfficherAudit(stdout, c.audit, 0);
    AfficherAuditTexte(stdout, c.auditTexte, 0);
    std::printf("%s", TexteRapportsEtapes(etapes).c_str());
}
