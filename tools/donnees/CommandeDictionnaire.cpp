// vocalia-donnees dictionnaire --sortie DIR [--sans-enrichissement]
//                              [--communes FICHIER.json | --sans-communes] [--paires-antonymes FICHIER.tsv]
//                              [--definitions DOSSIER]
// Builds the main dictionary (PWJTHSYUHEKE) and the inflected-form index
// (KLSPDOEKXHEFD) from the Littré and the complementary sources, and the
// headwords' commonness figures beside them (frequences.txt). Progress goes
// to stderr, the report to stdout.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/ClesDonnees.h"
#include "data/Dictionnaire.h"
#include "data/IndexFlexions.h"
#include "data/Ressources.h"
#include "platform/RemplacementFichier.h"
#include "text/Cp1252.h"
#include "tools/donnees/AuditDonnees.h"
#include "tools/donnees/AuditTexte.h"
#include "tools/donnees/CategoriesHunspell.h"
#include "tools/donnees/DictionnaireLittre.h"
#include "tools/donnees/Enrichissement.h"
#include "tools/donnees/EtapeDefinitions.h"
#include "tools/donnees/EtapeAntonymes.h"
#include "tools/donnees/Frequences.h"
#include "tools/donnees/GraphieModerne.h"
#include "tools/donnees/GraphiesTexte.h"
#include "tools/donnees/LigneCategorie.h"
#include "tools/donnees/MotsGrammaticaux.h"
#include "tools/donnees/OrdreFormes.h"
#include "tools/donnees/OrdreHomographes.h"
#include "tools/donnees/Renvois.h"
#include "tools/donnees/ReparationsSens.h"
#include "tools/donnees/SousCommandes.h"

namespace {
struct Options {
    std::string sortie;
    bool enrichir = true;
    SourcesEnrichissement sources;
    SourcesAntonymes antonymes;
    std::string definitions = DOSSIER_DEFINITIONS;
};

bool LireOptions(const std::vector<std::string>& arguments, Options& options) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        if (argument == "--sortie" && suivant) options.sortie = arguments[++i];
        else if (argument == "--communes" && suivant) options.sources.communes = arguments[++i];
        // Without it the register installed in tools/ is read when it is there.
        else if (argument == "--sans-communes") options.sources.communes.clear();
        else if (argument == "--sans-enrichissement") options.enrichir = false;
        else if (argument == "--paires-antonymes" && suivant) options.antonymes.listePaires = arguments[++i];
        else if (argument == "--definitions" && suivant) options.definitions = arguments[++i];
        else return false;
    }
    return !options.sortie.empty();
}

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
bool Ecrire(const std::filesystem::path& chemin, const std::vector<unsigned char>& octets) {
    if (octets.empty()) return false;
    return RemplacerFichier(chemin.string(),
                            std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
}

bool EcrireRessources(const Options& options, const std::string& etiquette,
                      const std::vector<Article>& articles,
                      const std::map<std::string, std::vector<std::string>>& index,
                      const std::unordered_map<std::string, std::uint32_t>& frequences) {
    std::fprintf(stderr, "Encodage, compression et chiffrement...\n");
    const std::filesystem::path dossier = options.sortie;
    std::error_code erreur;
    std::filesystem::create_directories(dossier, erreur);
    const std::vector<unsigned char> dictionnaire = EmballerDictionnaire(etiquette, articles);
    const std::vector<unsigned char> flexions = EmballerIndexFlexions(index);
    const std::string texteFrequences = TexteFrequences(frequences);
    return Ecrire(dossier / RESSOURCE_DICTIONNAIRE, dictionnaire) &&
           Ecrire(dossier / RESSOURCE_FLEXIONS, flexions) &&
           Ecrire(dossier / FICHIER_FREQUENCES,
                  std::vector<unsigned char>(texteFrequences.begin(), texteFrequences.end()));
}

void Rapporter(const std::vector<Article>& articles, std::size_t articlesLittre,
               const BilanEnrichissement& bilan, const BilanAntonymes& antonymes, const std::string& etiquette) {
    const ComptesDictionnaire comptes = CompterArticles(articles);
    std::printf("Dictionnaire : %s\n", etiquette.c_str());
    std::printf("  articles du Littr\xC3\xA9      %zu\n", articlesLittre);
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

// The forms whose headwords a step of their own put in order: old spellings
// (today's first) and the grammatical words' forms (the table's word first).
std::set<std::string> FormesAuxVedettesFixees(const BilanGraphies& graphies) {
    std::set<std::string> fixes;
    for (const auto& [ancienne, moderne] : graphies.anciennes) fixes.insert(ancienne);
    for (const FormeGrammaticale& forme : TableMotsGrammaticaux()) fixes.insert(forme.forme);
    return fixes;
}

}  // namespace

int CommandeDictionnaire(const std::vector<std::string>& arguments) {
    Options options;
    if (!LireOptions(arguments, options)) {
        std::fprintf(stderr, "usage: vocalia-donnees dictionnaire --sortie DOSSIER "
                             "[--sans-enrichissement] [--communes FICHIER.json | --sans-communes] "
                             "[--paires-antonymes FICHIER.tsv] [--definitions DOSSIER]\n");
        return 2;
    }
    std::vector<Article> articles;
    std::fprintf(stderr, "Lecture du Littr\xC3\xA9...\n");
    if (!LireLittre(SourcesLittre{}, articles, AfficherProgression)) {
        std::fprintf(stderr, "ERREUR : le Littr\xC3\xA9 (stardict-xmlittre) est illisible\n");
        return 1;
    }
    const std::size_t articlesLittre = articles.size();
    const std::size_t lettresRendues = RendreLettresPerdues(articles);
    LecturesHunspell lectures;
    ChargerLecturesHunspell(options.sources.hunspellAff, options.sources.hunspellDic, lectures);
    BilanCategories categories = CorrigerCategories(articles, lectures);
    std::map<std::string, std::vector<std::string>> index;
    BilanEnrichissement bilan;
    BilanGraphies graphies;
    BilanGraphiesTexte graphiesTexte;
    BilanMotsGrammaticaux grammaticaux;
    SignauxFrequence signaux;
    signaux.index = &index;
    if (options.enrichir) {
        std::fprintf(stderr, "Graphies d'aujourd'hui...\n");
        const GraphiesConnues connues = GraphiesHunspell(options.sources.hunspellAff, options.sources.hunspellDic);
        graphies = ModerniserGraphies(articles, connues);
        graphiesTexte = ModerniserTextes(articles, connues);
        // A headword the spelling dictionary knows only in today's spelling
        // (hors-d'oeuvre) gets its category once it has that spelling.
        const BilanCategories apresGraphies = CorrigerCategories(articles, lectures);
        categories.ajoutees += apresGraphies.ajoutees;
        categories.corrigees += apresGraphies.corrigees;
        categories.genres += apresGraphies.genres;
        std::fprintf(stderr, "Sources compl\xC3\xA9mentaires...\n");
        bilan = Enrichir(articles, index, options.sources, &signaux);
        IndexerAnciennesGraphies(graphies, articles, index);
        grammaticaux = IndexerMotsGrammaticaux(articles, index);
    }
    std::fprintf(stderr, "Fr\xC3\xA9quences...\n");
    const auto frequences = CalculerFrequences(articles, articlesLittre, signaux);
    const EmploisParMot emplois = CompterEmplois(articles, articlesLittre, MotsAEmploisPartages(articles));
    std::fprintf(stderr, "Antonymes...\n");
    const BilanAntonymes antonymes = AjouterAntonymes(articles, index, options.antonymes);
    OrdonnerIndexFlexions(index, frequences, FormesAuxVedettesFixees(graphies), signaux.poidsLectures);
    std::fprintf(stderr, "Tri de %zu articles...\n", articles.size());
    TrierArticles(articles);
    const std::vector<RenvoiSuivi> renvoisSuivis = PreparerRenvois(articles);
    const BilanLignesCategorie lignes = OrdonnerLignesCategorie(articles, lectures, emplois);
    OrdonnerHomographes(articles, lectures, emplois);
    const std::size_t renvois = PlacerRenvois(articles, renvoisSuivis);
    // Last, on the final order: today's meanings open their word.
    BilanDefinitions definitions;
    if (!AjouterDefinitionsVocalia(options.definitions, articles, lectures, definitions)) return 1;
    if (definitions.completes + definitions.devantLittre + definitions.nouveaux > 0)
        bilan.versions += (bilan.versions.empty() ? "" : ", ") + std::string(MARQUE_DEFINITIONS_VOCALIA);
    const std::size_t rupture = PremiereRuptureOrdre(articles);
    if (rupture != articles.size()) {
        std::fprintf(stderr, "ERREUR : ordre rompu \xC3\xA0 l'article %zu\n", rupture);
        return 1;
    }
    NomsPerdusLittre perdus;
    const bool perdusLus = LireNomsPerdus(SourcesLittre{}, perdus);
    const std::string etiquette = Etiquette(bilan.versions, perdus.mots.size());
    if (!EcrireRessources(options, etiquette, articles, index, frequences)) {
        std::fprintf(stderr, "ERREUR : \xC3\xA9\x63riture impossible dans %s\n",
                     options.sortie.c_str());
        return 1;
    }
    Rapporter(articles, articlesLittre, bilan, antonymes, Cp1252VersUtf8(etiquette));
    std::printf("%s", TexteBilanDefinitions(definitions).c_str());
    std::printf("%s", TexteBilanGraphies(graphies).c_str());
    std::printf("%s", TexteBilanGraphiesTexte(graphiesTexte).c_str());
    std::printf("  renvois suivis          %zu\n", renvois);
    std::printf("  sens aux lettres perdues rendues %zu\n", lettresRendues);
    std::printf("%s", TexteBilanMotsGrammaticaux(grammaticaux).c_str());
    std::printf("%s", TexteBilanFrequences(frequences).c_str());
    std::printf("  lignes de cat\xC3\xA9gorie r\xC3\xA9ordonn\xC3\xA9\x65s %zu, fragments retir\xC3\xA9s %zu\n",
                lignes.reordonnees, lignes.fragments);
    std::printf("  cat\xC3\xA9gories prises de hunspell %zu (sans cat\xC3\xA9gorie) + %zu (mal class\xC3\xA9\x65s), "
                "genres %zu\n", categories.ajoutees, categories.corrigees, categories.genres);
    std::printf("Audit :\n");
    Audit audit = AuditerDonnees(articles, [&index](const std::string& f) { return index.count(f) != 0; }, lectures);
    if (perdusLus) AuditerNomsPerdus(perdus, articles, lectures, audit);
    AfficherAudit(stdout, audit, 0);
    AfficherAuditTexte(stdout, AuditerTexte(articles, {}), 0);
    return 0;
}
