#include "tools/donnees/EtapeDefinitions.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <unordered_map>

#include "text/Cp1252.h"
#include "text/OrdreFrancais.h"
#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/MotsModernes.h"
#include "tools/donnees/SourceDefinition.h"

namespace {

struct Plage {
    std::size_t debut = 0, fin = 0;  // [debut, fin)
};

// The articles are sorted, twins adjacent: one range per headword.
std::unordered_map<std::string, Plage> Plages(const std::vector<Article>& articles) {
    std::unordered_map<std::string, Plage> plages;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        auto [place, nouvelle] = plages.try_emplace(articles[i].mot, Plage{i, i + 1});
        if (!nouvelle) place->second.fin = i + 1;
    }
    return plages;
}

bool MemeCategorie(const Article& article, const CategorieDefinition& categorie) {
    const std::set<std::string> a = CategoriesComparees(article.categorie);
    for (const std::string& c : CategoriesComparees(categorie.categorie))
        if (a.count(c)) return true;
    return false;
}

void Etiqueter(Article& article, const CategorieDefinition& categorie) {
    article.categorie = categorie.categorie;
    article.attributs.erase(ATTRIBUT_GENRE);
    article.attributs.erase(ATTRIBUT_NOMBRE);
    if (*categorie.genre) article.attributs[ATTRIBUT_GENRE] = categorie.genre;
    if (*categorie.nombre) article.attributs[ATTRIBUT_NOMBRE] = categorie.nombre;
    article.attributs[ATTRIBUT_SOURCE] = TEXTE_SOURCE_VOCALIA;
}

Article ArticleVocalia(const BlocDefinition& bloc) {
    Article article;
    article.mot = bloc.mot;
    article.sens = bloc.sens;
    Etiqueter(article, *bloc.categorie);
    return article;
}

// Our senses replace those that said the definition was missing. The
// synonyms such a sense named are in the synonyms detail already; when that
// detail is empty they go there, so nothing the reader saw is lost.
void Completer(Article& article, const BlocDefinition& bloc) {
    std::vector<Sens> sens = bloc.sens;
    std::string synonymesDuSens;
    for (const Sens& s : article.sens) {
        if (SensRenvoi(s.definition)) sens.push_back(s);
        else if (s.definition.rfind(DebutSensSynonymesSeuls, 0) == 0)
            synonymesDuSens = s.definition.substr(std::string(DebutSensSynonymesSeuls).size());
    }
    if (!synonymesDuSens.empty() && synonymesDuSens.back() == '.') synonymesDuSens.pop_back();
    if (article.synonymes.empty()) article.synonymes = synonymesDuSens;
    article.sens = std::move(sens);
    Etiqueter(article, *bloc.categorie);
}

std::string Guillemets(const std::string& mot) { return "« " + Cp1252VersUtf8(mot) + " »"; }

std::string TexteLecture(const LectureHunspell& lecture) {
    std::string texte;
    for (const std::string& c : lecture.categories) texte += (texte.empty() ? "" : ", ") + c;
    if (lecture.masculin) texte += " masculin";
    if (lecture.feminin) texte += lecture.masculin ? " et f\xE9minin" : " f\xE9minin";
    return Cp1252VersUtf8(texte);
}

class Application {
public:
    Application(std::vector<Article>& articles, const LecturesHunspell& lectures, BilanDefinitions& bilan)
        : articles_(articles), lectures_(lectures), bilan_(bilan), plages_(Plages(articles)),
          rempli_(articles.size(), false) {}

    void Appliquer(const BlocDefinition& bloc) {
        if (!Verifier(bloc)) return;
        const auto plage = plages_.find(bloc.mot);
        if (plage == plages_.end()) {
            nouveaux_.push_back(ArticleVocalia(bloc));
            ++bilan_.nouveaux;
            if (bloc.aujourdhui) ++bilan_.aujourdhuiSansLittre;
            return;
        }
        const Plage& mot = plage->second;
        const bool littre = ALittre(mot);
        const std::size_t aCompleter = ArticleACompleter(mot, *bloc.categorie);
        // Where the Littré has the word, only an article of our category may
        // take our senses: the others are the Littré's to define.
        const bool trouve = aCompleter != articles_.size();
        if (trouve && (!littre || MemeCategorie(articles_[aCompleter], *bloc.categorie))) {
            Completer(articles_[aCompleter], bloc);
            rempli_[aCompleter] = true;
            if (bloc.aujourdhui && littre) {
                MettreEnTete(mot, aCompleter);
                ++bilan_.devantLittre;
            } else {
                ++bilan_.completes;
                if (bloc.aujourdhui) ++bilan_.aujourdhuiSansLittre;
            }
        } else if (bloc.aujourdhui && littre) {
            std::vector<Article>& file = devant_[mot.debut];
            file.push_back(ArticleVocalia(bloc));
            AjouterFormes(file.back(), mot, *bloc.categorie);
            ++bilan_.devantLittre;
        } else if (littre) {
            Faute(bloc, Guillemets(bloc.mot) +
                            " a un article du Littré : si celui-ci n'a pas le sens d'aujourd'hui, "
                            "marquer le bloc « == " + Cp1252VersUtf8(bloc.mot) + " | aujourd'hui »");
        } else {
            apres_[mot.fin - 1].push_back(ArticleVocalia(bloc));
            ++bilan_.nouveaux;
            if (bloc.aujourdhui) ++bilan_.aujourdhuiSansLittre;
        }
    }

    // Ours come before the Littré's, in the table's order; the new headwords
    // go where the French order puts them.
    void Placer() {
        if (devant_.empty() && apres_.empty() && nouveaux_.empty()) return;
        std::stable_sort(nouveaux_.begin(), nouveaux_.end(),
                         [](const Article& a, const Article& b) { return MotSuperieur(b.mot, a.mot); });
        std::vector<Article> places;
        places.reserve(articles_.size() + nouveaux_.size() + bilan_.devantLittre);
        std::size_t k = 0;
        const auto deplacer = [&places](std::map<std::size_t, std::vector<Article>>& file, std::size_t i) {
            const auto trouve = file.find(i);
            if (trouve == file.end()) return;
            for (Article& a : trouve->second) places.push_back(std::move(a));
        };
        for (std::size_t i = 0; i < articles_.size(); ++i) {
            while (k < nouveaux_.size() && MotSuperieur(articles_[i].mot, nouveaux_[k].mot))
                places.push_back(std::move(nouveaux_[k++]));
            deplacer(devant_, i);
            places.push_back(std::move(articles_[i]));
            deplacer(apres_, i);
        }
        while (k < nouveaux_.size()) places.push_back(std::move(nouveaux_[k++]));
        articles_ = std::move(places);
    }

private:
    std::vector<Article>& articles_;
    const LecturesHunspell& lectures_;
    BilanDefinitions& bilan_;
    std::unordered_map<std::string, Plage> plages_;
    std::vector<bool> rempli_;
    std::map<std::size_t, std::vector<Article>> devant_, apres_;
    std::vector<Article> nouveaux_;
    std::map<std::string, const BlocDefinition*> vus_;

    void Faute(const BlocDefinition& bloc, const std::string& motif) {
        bilan_.fautes.push_back({bloc.fichier, bloc.ligne, motif});
    }

    bool Verifier(const BlocDefinition& bloc) {
        const std::string cle = bloc.mot + '\n' + bloc.categorie->ligne + (bloc.aujourdhui ? "\n+" : "");
        const auto [deja, nouveau] = vus_.emplace(cle, &bloc);
        if (!nouveau) {
            Faute(bloc, Guillemets(bloc.mot) + " est déjà défini dans cette catégorie en " +
                            deja->second->fichier + ":" + std::to_string(deja->second->ligne));
            return false;
        }
        const LectureHunspell* lecture = lectures_.Lecture(bloc.mot);
        if (lecture == nullptr) {
            Faute(bloc, Guillemets(bloc.mot) + " : mot inconnu de hunspell (l'écrire comme lui)");
            return false;
        }
        if (!CategorieAccordee(*bloc.categorie, *lecture)) {
            Faute(bloc, Guillemets(bloc.mot) + " : la catégorie « " + Cp1252VersUtf8(bloc.categorie->ligne) +
                            " » contredit hunspell (" + TexteLecture(*lecture) + ")");
            return false;
        }
        return true;
    }

    bool ALittre(const Plage& mot) const {
        for (std::size_t i = mot.debut; i < mot.fin; ++i)
            if (SourceDeDefinition(articles_[i]) == SourceDefinition::Littre) return true;
        return false;
    }

    // The word's article without definition that no block filled yet, of
    // the block's category if there is one; articles_.size() when none.
    std::size_t ArticleACompleter(const Plage& mot, const CategorieDefinition& categorie) const {
        std::size_t premier = articles_.size();
        for (std::size_t i = mot.debut; i < mot.fin; ++i) {
            if (rempli_[i] || SourceDeDefinition(articles_[i]) != SourceDefinition::Aucune) continue;
            if (MemeCategorie(articles_[i], categorie)) return i;
            if (premier == articles_.size()) premier = i;
        }
        return premier;
    }

    // Today's meaning opens the word, before the Littré's articles.
    void MettreEnTete(const Plage& plage, std::size_t i) {
        std::rotate(articles_.begin() + std::ptrdiff_t(plage.debut), articles_.begin() + std::ptrdiff_t(i),
                    articles_.begin() + std::ptrdiff_t(i + 1));
        rempli_.erase(rempli_.begin() + std::ptrdiff_t(i));
        rempli_.insert(rempli_.begin() + std::ptrdiff_t(plage.debut), true);
    }

    // Today's article shows the forms of the Littré's article of its category.
    void AjouterFormes(Article& article, const Plage& plage, const CategorieDefinition& categorie) const {
        for (std::size_t i = plage.debut; i < plage.fin; ++i)
            if (SourceDeDefinition(articles_[i]) == SourceDefinition::Littre && MemeCategorie(articles_[i], categorie)) {
                article.flexions = articles_[i].flexions;
                return;
            }
    }
};

bool GenreAccorde(const std::string& genre, const LectureHunspell& lecture) {
    if (genre.empty() || (!lecture.masculin && !lecture.feminin)) return true;
    if (genre == "masculin") return lecture.masculin;
    if (genre == "f\xE9minin") return lecture.feminin;
    return lecture.masculin && lecture.feminin;
}

}  // namespace

bool CategorieAccordee(const CategorieDefinition& categorie, const LectureHunspell& lecture) {
    const std::set<std::string> cles = CategoriesComparees(categorie.categorie);
    for (const std::string& cle : cles)
        if (!CategoriesConcordent({cle}, lecture)) return false;
    return !cles.count(CAT_NOM) || GenreAccorde(categorie.genre, lecture);
}

BilanDefinitions AppliquerDefinitions(std::vector<Article>& articles, const std::vector<BlocDefinition>& blocs,
                                      const LecturesHunspell& lectures) {
    BilanDefinitions bilan;
    bilan.blocs = blocs.size();
    Application application(articles, lectures, bilan);
    for (const BlocDefinition& bloc : blocs) application.Appliquer(bloc);
    application.Placer();
    return bilan;
}

TableDefinitionsLue LireDefinitionsVocalia(const std::string& dossier) {
    TableDefinitionsLue table;
    table.dossier = dossier;
    ChargerTableDefinitions(dossier, table.blocs, table.fautes);
    return table;
}

bool AjouterDefinitionsVocalia(const TableDefinitionsLue& table, std::vector<Article>& articles,
                               const LecturesHunspell& lectures, BilanDefinitions& bilan) {
    std::vector<FauteDefinition> fautes = table.fautes;
    const bool verifiable = table.blocs.empty() || !lectures.Toutes().empty();
    if (!verifiable) fautes.push_back({table.dossier, 0, "hunspell illisible : les définitions ne peuvent être vérifiées"});
    bilan = AppliquerDefinitions(articles, verifiable ? table.blocs : std::vector<BlocDefinition>{}, lectures);
    bilan.fautes.insert(bilan.fautes.begin(), fautes.begin(), fautes.end());
    for (const FauteDefinition& faute : bilan.fautes)
        std::fprintf(stderr, "ERREUR : définitions de Vocalia, %s\n", TexteFaute(faute).c_str());
    return bilan.fautes.empty();
}

std::string TexteBilanDefinitions(const BilanDefinitions& bilan) {
    char texte[512];
    std::snprintf(texte, sizeof texte,
                  "  définitions de Vocalia  %zu blocs : %zu articles sans définition complétés, "
                  "%zu sens d'aujourd'hui devant le Littré, %zu articles nouveaux ; "
                  "marqués « aujourd'hui » sans article du Littré %zu\n",
                  bilan.blocs, bilan.completes, bilan.devantLittre, bilan.nouveaux, bilan.aujourdhuiSansLittre);
    return texte;
}
