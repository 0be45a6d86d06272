#include "tools/donnees/ArticleLittre.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "tools/donnees/CategoriesLittre.h"
#include "tools/donnees/MarquesUsage.h"
#include "tools/donnees/ReparationsSens.h"
#include "tools/donnees/TexteLittre.h"

namespace {
enum class Section { Corps, Remarque, Proverbes, Synonyme, Historique, Etymologie, Supplement };

struct Paragraphe {
    std::string texte;
    std::vector<std::string> exemples;
    bool ouvert = false;
};

constexpr const char* DEBUT_TITRE = "<b><big>";
constexpr const char* DEBUT_CITATION = "<span ";
constexpr const char* DEBUT_EN_TETE = "<i><small>";
constexpr const char* FIN_EN_TETE = "</small></i>";

bool CommencePar(const std::string& texte, const char* debut) {
    return texte.compare(0, std::strlen(debut), debut) == 0;
}

Section SectionDuTitre(const std::string& titre) {
    if (CommencePar(titre, "\xC9TYMOLOGIE")) return Section::Etymologie;
    if (CommencePar(titre, "HISTORIQUE")) return Section::Historique;
    if (CommencePar(titre, "SUPPL\xC9MENT")) return Section::Supplement;
    if (CommencePar(titre, "REMARQUE")) return Section::Remarque;
    if (CommencePar(titre, "SYNONYM")) return Section::Synonyme;
    if (CommencePar(titre, "PROVERBE")) return Section::Proverbes;
    return Section::Corps;
}

// "<b>12°</b> Ajoutez :" -> "Ajoutez :".
std::string SansNumeroDeSens(const std::string& ligne) {
    if (!CommencePar(ligne, "<b>")) return ligne;
    const std::size_t fin = ligne.find("</b>");
    if (fin == std::string::npos) return ligne;
    const std::string numero = ligne.substr(3, fin - 3);
    if (numero.empty() || numero.find_first_not_of("0123456789\xB0. ") != std::string::npos)
        return ligne;
    return ligne.substr(fin + 4);
}

bool EstNumeroDeSens(const std::string& ligne) {
    return CommencePar(ligne, "<b>") && SansNumeroDeSens(ligne) != ligne;
}

// "<b>12°</b> ..." -> 12; 0 when the line is not a numbered sense.
int NumeroDeSens(const std::string& ligne) {
    if (!EstNumeroDeSens(ligne)) return 0;
    int numero = 0;
    for (std::size_t i = 3; i < ligne.size() && ligne[i] >= '0' && ligne[i] <= '9' && numero < 10000; ++i)
        numero = numero * 10 + (ligne[i] - '0');
    return numero;
}

// The glosses of a table of senses, by sense number.
std::map<int, std::string> LireSommaire(const std::string& sommaire) {
    std::map<int, std::string> gloses;
    for (std::size_t debut = 0; debut < sommaire.size();) {
        std::size_t fin = sommaire.find('\n', debut);
        if (fin == std::string::npos) fin = sommaire.size();
        const std::string ligne = sommaire.substr(debut, fin - debut);
        if (const int numero = NumeroDeSens(ligne))
            gloses[numero] = TexteSansBalises(SansNumeroDeSens(ligne));
        debut = fin + 1;
    }
    return gloses;
}

std::string SansPrefixe(const std::string& texte, const char* prefixe) {
    if (!CommencePar(texte, prefixe)) return texte;
    std::size_t debut = std::strlen(prefixe);
    while (debut < texte.size() && texte[debut] == ' ') ++debut;
    return texte.substr(debut);
}

// A supplement paragraph opens with the headword it adds to, in capitals,
// and says which part of the entry it completes: "ÉLOQUEMMENT. Ajoutez :
// - HIST. XVIe s.", "ABRÉGÉ, s. m. Ajoutez :", "1. AGRÉEUR. Ajoutez : - REM.
// ...", or just "V. n. Ajoutez :".
struct TitreSupplement {
    bool present = false;
    Section section = Section::Corps;
    std::string reste;
};

constexpr std::size_t PORTEE_TITRE = 60;

std::size_t FinDesCapitales(const std::string& texte, std::size_t debut) {
    std::size_t fin = debut, lettres = 0;
    while (fin < texte.size()) {
        const char c = texte[fin];
        if (EstMajusculeCp1252(c)) ++lettres;
        else if (c != ' ' && c != '-' && c != '\'' && c != ',') break;
        ++fin;
    }
    while (fin > debut && (texte[fin - 1] == ' ' || texte[fin - 1] == ',')) --fin;
    return lettres >= 2 ? fin : debut;
}

// Before a part's tag there is only the headword, a number, punctuation and
// "Ajoutez": "CARACO. Ajoutez : HIST.", "= HIST.", "1. AGRÉEUR. Ajoutez : - REM.";
// not "(voy. l'HIST.)" inside a definition.
bool PrefixeDAnnonce(std::string prefixe) {
    const std::size_t ajoutez = prefixe.find("Ajoutez");
    if (ajoutez != std::string::npos) prefixe.erase(ajoutez, 7);
    for (char c : prefixe)
        if (EstMinusculeCp1252(c)) return false;
    return true;
}

// The part named by the first "- HIST.", "ÉTYM."... near the start; `fin`
// receives the position after the tag (0 when none).
Section RubriqueNommee(const std::string& texte, std::size_t& fin) {
    static constexpr struct {
        const char* etiquette;
        Section section;
    } Rubriques[] = {{"HIST.", Section::Historique}, {"\xC9TYM.", Section::Etymologie},
                     {"REM.", Section::Remarque},    {"SYN.", Section::Synonyme},
                     {"PROV.", Section::Proverbes}};
    Section premiere = Section::Corps;
    std::size_t position = std::string::npos;
    fin = 0;
    for (const auto& rubrique : Rubriques) {
        for (std::size_t p = texte.find(rubrique.etiquette); p != std::string::npos && p <= PORTEE_TITRE;
             p = texte.find(rubrique.etiquette, p + 1)) {
            if (p > 0 && texte[p - 1] != ' ') continue;
            if (!PrefixeDAnnonce(texte.substr(0, p))) continue;
            if (position == std::string::npos || p < position) {
                position = p;
                premiere = rubrique.section;
                fin = p + std::strlen(rubrique.etiquette);
            }
            break;
        }
    }
    return premiere;
}

// "XVIe s.", "XIIe et XIIIe s.": the heading of a group of old French
// citations, which some entries give without their HISTORIQUE title.
bool EstSiecle(const std::string& texte) {
    if (texte.size() < 4 || texte.size() > 24 || texte.find("e s") == std::string::npos) return false;
    return texte.find_first_not_of("XVIe s.t") == std::string::npos &&
           (texte[0] == 'X' || texte[0] == 'V' || texte[0] == 'I');
}

std::string SansPonctuationInitiale(const std::string& texte) {
    const std::size_t debut = texte.find_first_not_of(" .,:;-");
    return debut == std::string::npos ? "" : texte.substr(debut);
}

// "Ajoutez :", "Ajoutez." — not "Ajoutez, ajoutons" nor "Ajoutez que" in the
// entry AJOUTER.
std::size_t FinDAjoutez(const std::string& texte) {
    const std::size_t position = texte.find("Ajoutez");
    if (position == std::string::npos || position > PORTEE_TITRE) return 0;
    const std::size_t fin = position + 7;
    if (texte.compare(fin, 2, " :") == 0) return fin + 2;
    if (fin < texte.size() && (texte[fin] == '.' || texte[fin] == ':')) return fin + 1;
    return fin == texte.size() ? fin : 0;
}

TitreSupplement LireTitreSupplement(const std::string& texte) {
    TitreSupplement titre;
    std::size_t debut = 0;
    while (debut < texte.size() && texte[debut] >= '0' && texte[debut] <= '9') ++debut;
    debut = (debut > 0 && texte.compare(debut, 2, ". ") == 0) ? debut + 2 : 0;
    const std::size_t finCapitales = FinDesCapitales(texte, debut);
    std::size_t finRubrique = 0;
    titre.section = RubriqueNommee(texte, finRubrique);
    const std::size_t finAjoutez = FinDAjoutez(texte);
    if (finAjoutez == 0 && finRubrique == 0) {
        // "MAISON." alone names the entry; "CASERNIER, IÈRE (ka-zèr-nié...), adj. Qui
        // tient..." is a new sense that happens to open with its word.
        if (finCapitales > debut && SansPonctuationInitiale(texte.substr(finCapitales)).empty())
            titre.present = true;
        return titre;
    }
    titre.present = true;
    std::string reste = SansPonctuationInitiale(texte.substr(std::max(finRubrique, finAjoutez)));
    // What follows the announcement may name the part in turn: "BOITER (être
    // boiteux). Ajoutez : - HIST. XVIe s."
    for (bool encore = true; encore;) {
        encore = false;
        std::size_t finTag = 0;
        const Section nommee = RubriqueNommee(reste, finTag);
        const std::size_t finSuivant = FinDAjoutez(reste);
        if (finTag > 0 && finTag <= 8) {
            titre.section = nommee;
            reste = SansPonctuationInitiale(reste.substr(finTag));
            encore = true;
        } else if (finSuivant > 0 && finSuivant <= 10) {
            reste = SansPonctuationInitiale(reste.substr(finSuivant));
            encore = true;
        }
    }
    titre.reste = reste;
    return titre;
}

int Profondeur(const std::string& texte) {
    int profondeur = 0;
    for (char c : texte) profondeur += c == '(' ? 1 : c == ')' ? -1 : 0;
    return profondeur;
}

// "Voy. CARRÉMENT)." closes a parenthesis the Littré never opened.
std::string SansFermanteOrpheline(std::string texte) {
    if (Profondeur(texte) != -1) return texte;
    const std::size_t fermante = texte.find_last_not_of(". ");
    if (fermante == std::string::npos || texte[fermante] != ')') return texte;
    texte.erase(fermante, 1);
    return texte;
}

class ConvertisseurLittre {
public:
    ConvertisseurLittre(Article& article, std::vector<std::string> heritees,
                        std::map<int, std::string> sommaire)
        : article_(article), heritees_(std::move(heritees)), sommaire_(std::move(sommaire)) {
        for (const auto& [numero, glose] : sommaire_) gloses_.push_back(glose);
    }

    void Ligne(const std::string& ligne) {
        if (ligne.empty()) return;
        if (CommencePar(ligne, DEBUT_TITRE)) return Titre(TexteSansBalises(ligne));
        if (CommencePar(ligne, DEBUT_CITATION)) return Citation(ligne);
        Fermer();
        if (EstNumeroDeSens(ligne)) rubrique_ = Section::Corps;
        paragraphe_.texte = TexteSansBalises(SansNumeroDeSens(ligne));
        paragraphe_.ouvert = true;
        if (section_ == Section::Corps) AjouterGlose(NumeroDeSens(ligne));
    }

    void Fermer() {
        if (!paragraphe_.ouvert) return;
        std::string& texte = paragraphe_.texte;
        texte = SansPrefixe(texte, "Ajoutez :");
        if (section_ != Section::Historique && section_ != Section::Etymologie) {
            const TitreSupplement titre = LireTitreSupplement(texte);
            if (titre.present) {
                rubrique_ = titre.section;
                texte = titre.reste;
            } else if (EstSiecle(texte)) {
                rubrique_ = Section::Historique;
            }
        }
        Ranger(rubrique_ != Section::Corps ? rubrique_ : section_);
        paragraphe_ = Paragraphe{};
    }

private:
    void Titre(const std::string& titre) {
        Fermer();
        section_ = SectionDuTitre(titre);
        rubrique_ = Section::Corps;
    }

    void Citation(const std::string& ligne) {
        std::string exemple = ExempleDeCitation(ligne);
        if (exemple.empty()) exemple = TexteSansBalises(ligne);
        ReprendreRenvoi(exemple);
        if (exemple.empty()) return;
        paragraphe_.ouvert = true;
        paragraphe_.exemples.push_back(std::move(exemple));
    }

    // "... le chablage et le billage (voy." + a citation "ce mot au Supplément)
    // des bateaux...": the markup made a citation of the end of the
    // reference. That end goes back to the sense; the rest stays an example.
    void ReprendreRenvoi(std::string& exemple) {
        std::string& texte = paragraphe_.texte;
        int profondeur = Profondeur(texte);
        if (!paragraphe_.exemples.empty() || profondeur <= 0) return;
        for (std::size_t i = 0; i < exemple.size(); ++i) {
            profondeur += exemple[i] == '(' ? 1 : exemple[i] == ')' ? -1 : 0;
            if (profondeur > 0) continue;
            const bool point = exemple.compare(i + 1, 1, ".") == 0;
            texte = EspacesNormalises(texte + ' ' + exemple.substr(0, i + 1)) + (point ? "." : "");
            exemple = SansPonctuationInitiale(exemple.substr(i + 1));
            return;
        }
    }

    void AjouterGlose(int numero) {
        const auto glose = sommaire_.find(numero);
        if (glose == sommaire_.end() || glose->second.empty()) return;
        paragraphe_.texte = TexteAvecGlose(paragraphe_.texte, glose->second);
    }

    void Ranger(Section section) {
        switch (section) {
            case Section::Historique: return;
            case Section::Etymologie: return AjouterEtymologie();
            case Section::Remarque: return AjouterSens("Remarque. ");
            case Section::Synonyme: return AjouterSens("Synonymie. ");
            default: return AjouterSens("");
        }
    }

    void AjouterEtymologie() {
        std::string& etymologie = article_.etymologie;
        auto ajouter = [&](const std::string& texte) {
            if (texte.empty()) return;
            if (!etymologie.empty()) etymologie += ' ';
            etymologie += texte;
        };
        ajouter(paragraphe_.texte);
        for (const std::string& exemple : paragraphe_.exemples) ajouter(exemple);
    }

    // A paragraph without text of its own ("Fig." aside, the Littré sometimes
    // lets citations follow a bare number) gives its citations to the sense
    // before it.
    void AjouterSens(const std::string& prefixe) {
        const std::string& texte = paragraphe_.texte;
        if (texte.empty() || texte == ":" || texte == ".") {
            if (paragraphe_.exemples.empty()) return;
            if (article_.sens.empty()) article_.sens.push_back(Sens{prefixe + "Exemples :", {}});
            auto& exemples = article_.sens.back().exemples;
            exemples.insert(exemples.end(), paragraphe_.exemples.begin(), paragraphe_.exemples.end());
            return;
        }
        // A remark or a synonymy is one block: its joins only need a blank.
        const bool sensSepares = prefixe.empty();
        const std::vector<std::string> parties = sensSepares ? SensDecolles(TetesRendues(texte, gloses_))
                                                             : std::vector<std::string>{JointuresEspacees(texte)};
        for (std::size_t k = 0; k < parties.size(); ++k) {
            Sens sens;
            sens.definition =
                DefinitionMarquee(prefixe + SansFermanteOrpheline(EnTeteEnClair(parties[k])), heritees_);
            if (k + 1 == parties.size()) sens.exemples = std::move(paragraphe_.exemples);
            Empiler(std::move(sens));
        }
    }

    // A sense the source repeats word for word is shown once, with the
    // citations of both.
    void Empiler(Sens sens) {
        if (!article_.sens.empty() && article_.sens.back().definition == sens.definition) {
            auto& exemples = article_.sens.back().exemples;
            for (std::string& exemple : sens.exemples)
                if (std::find(exemples.begin(), exemples.end(), exemple) == exemples.end())
                    exemples.push_back(std::move(exemple));
            return;
        }
        article_.sens.push_back(std::move(sens));
    }

    Article& article_;
    std::vector<std::string> heritees_;
    std::map<int, std::string> sommaire_;  // sense number -> gloss
    std::vector<std::string> gloses_;
    Section section_ = Section::Corps;
    // The part that an announcing paragraph ("MAISON. - HIST.", "XVIe s.") opens,
    // until the next numbered sense or section title.
    Section rubrique_ = Section::Corps;
    Paragraphe paragraphe_;
};

// The contents of the successive <span ...>...</span> elements of a line.
std::vector<std::string> ContenusDesSpans(const std::string& ligne) {
    std::vector<std::string> contenus;
    std::size_t position = 0;
    while ((position = ligne.find(DEBUT_CITATION, position)) != std::string::npos) {
        const std::size_t debut = ligne.find('>', position);
        if (debut == std::string::npos) break;
        const std::size_t fin = ligne.find("</span>", debut);
        if (fin == std::string::npos) break;
        contenus.push_back(TexteSansBalises(ligne.substr(debut + 1, fin - debut - 1)));
        position = fin + 7;
    }
    return contenus;
}

// Some heads close their markup inside a parenthesis, whose end then stands
// alone as the first line of the body: "(é-té) part. passé du verbe être
// (voy" + "ce mot).". That end goes back to the head; `suite` moves past it
// and past the punctuation that followed it.
void ReprendreFinDEnTete(const std::string& corps, std::string& entete, std::size_t& suite) {
    int profondeur = Profondeur(entete);
    if (profondeur <= 0) return;
    const std::size_t debut = corps.find_first_not_of(" \n", suite);
    if (debut == std::string::npos || corps[debut] == '<') return;
    const std::size_t finLigne = std::min(corps.find('\n', debut), corps.size());
    for (std::size_t i = debut; i < finLigne && corps[i] != '<'; ++i) {
        profondeur += corps[i] == '(' ? 1 : corps[i] == ')' ? -1 : 0;
        if (profondeur > 0) continue;
        entete += ' ';
        entete += TexteSansBalises(corps.substr(debut, i + 1 - debut));
        suite = i + 1;
        while (suite < finLigne && (corps[suite] == ' ' || corps[suite] == '.' || corps[suite] == ','))
            ++suite;
        return;
    }
}

void EnTete(const std::string& corps, std::size_t& suite, Article& article,
            std::map<int, std::string>& sommaire, std::string& notePrononciation) {
    suite = 0;
    if (!CommencePar(corps, DEBUT_EN_TETE)) return;
    const std::size_t fin = corps.find(FIN_EN_TETE);
    if (fin == std::string::npos) return;
    std::string texteEnTete = TexteSansBalises(corps.substr(0, fin));
    suite = fin + std::strlen(FIN_EN_TETE);
    ReprendreFinDEnTete(corps, texteEnTete, suite);
    EnTeteLittre entete = AnalyserEnTete(texteEnTete);
    article.categorie = std::move(entete.categorie);
    article.attributs = std::move(entete.attributs);
    notePrononciation = std::move(entete.notePrononciation);
    // Long entries (ALLER, JOUER...) open with a table of their senses in
    // <small>; the senses then follow in full, some without the gloss the
    // table gives them.
    const std::size_t debut = corps.find_first_not_of(" \n", suite);
    if (debut != std::string::npos && corps.compare(debut, 7, "<small>") == 0) {
        const std::size_t fin = corps.find("</small>", debut);
        if (fin != std::string::npos) {
            sommaire = LireSommaire(corps.substr(debut + 7, fin - debut - 7));
            suite = fin + 8;
        }
    }
}

// Where the head names no category, the Littré gives it at the start of the
// first sense: "1° V. a. Donner de l'aide.", "1° Adj. m. Terme d'anatomie."
void CategorieDuPremierSens(Article& article) {
    if (!article.categorie.empty() || article.sens.empty()) return;
    std::string debut = article.sens[0].definition.substr(0, 40);
    if (debut.empty()) return;
    debut[0] = MinusculeCp1252(debut[0]);
    std::size_t position = 0, fin = 0;
    const CategorieLittre* categorie = TrouverCategorie(debut, position, fin);
    if (categorie == nullptr) return;
    article.categorie = categorie->categorie;
    if (*categorie->genre) article.attributs.emplace(ATTRIBUT_GENRE, categorie->genre);
    if (*categorie->nombre) article.attributs.emplace(ATTRIBUT_NOMBRE, categorie->nombre);
    if (*categorie->emploi) article.attributs.emplace(ATTRIBUT_EMPLOI, categorie->emploi);
}
// The category a sense opens with: "S. m. Petit livre où s'apprend l'Abc.",
// "Adv. Beaucoup.", "Substantivement. Les épileptiques." — null when none.
const char* CategorieAnnoncee(const std::string& definition) {
    static constexpr const char* Simples[] = {"NOM", "ADJECTIF", "VERBE", "ADVERBE", "PR\xC9POSITION",
                                              "CONJONCTION", "PRONOM", "INTERJECTION"};
    if (definition.empty() || !EstMajusculeCp1252(definition[0])) return nullptr;
    if (CommencePar(definition, "Substantivement")) return "NOM";
    std::string debut = definition.substr(0, 24);
    debut[0] = MinusculeCp1252(debut[0]);
    std::size_t position = 0, fin = 0;
    const CategorieLittre* categorie = TrouverCategorie(debut, position, fin);
    if (categorie == nullptr || position != 0) return nullptr;
    for (const char* simple : Simples)
        if (std::strcmp(categorie->categorie, simple) == 0) return simple;
    return nullptr;
}

bool NommeDeja(const std::string& categorie, const char* nom) {
    const std::string mot = nom;
    for (std::size_t p = categorie.find(mot); p != std::string::npos; p = categorie.find(mot, p + 1)) {
        const std::size_t fin = p + mot.size();
        if ((p == 0 || categorie[p - 1] == ' ') &&
            (fin == categorie.size() || categorie[fin] == ' ' || categorie[fin] == ','))
            return true;
    }
    return false;
}

// The Littré files a word once and opens the senses of its other uses with
// their category: ABÉCÉDAIRE "adj." has a sense "S. m. Petit livre...". An
// adjective's sense may also say in passing that it is used as a noun: "un
// vaisseau capteur ou, substantivement, un capteur". The category line names
// them all: "ADJECTIF ET NOM", "ADJECTIF, NOM ET ADVERBE".
void CategoriesDesSens(Article& article) {
    // "VERBE" alone is what opens the conjugation; the noun made of an
    // infinitive has an article of its own.
    if (article.categorie.empty() || article.categorie == "VERBE") return;
    for (const Sens& sens : article.sens) {
        const char* annoncee = CategorieAnnoncee(sens.definition);
        if (annoncee == nullptr && NommeDeja(article.categorie, "ADJECTIF") &&
            sens.definition.find("ubstantivement") != std::string::npos)
            annoncee = "NOM";
        if (annoncee == nullptr || NommeDeja(article.categorie, annoncee)) continue;
        // "ADJECTIF ET NOM" + ADVERBE: "ADJECTIF, NOM ET ADVERBE".
        std::string& categorie = article.categorie;
        const std::size_t et = categorie.rfind(" ET ");
        if (et != std::string::npos) categorie.replace(et, 4, ", ");
        categorie += std::string(" ET ") + annoncee;
    }
}
}  // namespace

std::string ExempleDeCitation(const std::string& ligne) {
    const std::vector<std::string> contenus = ContenusDesSpans(ligne);
    if (contenus.empty() || contenus[0].empty()) return "";
    std::string exemple = contenus[0];
    for (std::size_t k = 1; k < contenus.size(); ++k)
        if (!contenus[k].empty()) exemple += ", " + contenus[k];
    return exemple;
}

Article ConvertirArticleLittre(const std::string& corps, const EntreeLittre& nom) {
    Article article;
    article.mot = nom.mot;
    std::size_t suite = 0;
    std::map<int, std::string> sommaire;
    std::string notePrononciation;
    EnTete(corps, suite, article, sommaire, notePrononciation);
    if (!nom.feminin.empty()) article.attributs[ATTRIBUT_FEMININ] = "f\xE9m. " + nom.feminin;
    if (!nom.forme.empty()) article.attributs[ATTRIBUT_FORME] = nom.forme;
    const auto remarque = article.attributs.find(ATTRIBUT_REMARQUE);
    ConvertisseurLittre convertisseur(
        article,
        remarque == article.attributs.end() ? std::vector<std::string>{}
                                            : MarqueursDe(remarque->second),
        std::move(sommaire));
    for (std::size_t debut = suite; debut < corps.size();) {
        std::size_t fin = corps.find('\n', debut);
        if (fin == std::string::npos) fin = corps.size();
        convertisseur.Ligne(corps.substr(debut, fin - debut));
        debut = fin + 1;
    }
    convertisseur.Fermer();
    for (Sens& sens : article.sens) sens.definition = SansPonctuationPendante(sens.definition);
    article.etymologie = SansPonctuationPendante(article.etymologie);
    CategorieDuPremierSens(article);
    CategoriesDesSens(article);
    // Off the category line, the Littré's remarks on pronunciation close the article.
    if (!notePrononciation.empty())
        article.sens.push_back(Sens{"Prononciation. " + JointuresEspacees(notePrononciation), {}});
    return article;
}
