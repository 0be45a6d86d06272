#include "tools/donnees/Flexions.h"

#include <algorithm>

#include "text/Cp1252.h"
#include "tools/donnees/Hunspell.h"
#include "tools/donnees/Verbiste.h"

namespace {

// The order in which a word's categories are preferred when only one is kept.
const char* const OrdreCategories[] = {"NOM", "VERBE", "ADJECTIF", "ADVERBE", "PR\xC9POSITION",
                                       "CONJONCTION", "PRONOM", "INTERJECTION"};

std::string CategorieHunspell(const std::string& po) {
    if (po == "nom") return "NOM";
    if (po == "adj") return "ADJECTIF";
    if (po.size() >= 2 && po[0] == 'v' && po[1] >= '0' && po[1] <= '9') return "VERBE";
    if (po == "adv" || po == "negadv" || po == "advint") return "ADVERBE";
    if (po == "prep" || po == "prepv") return "PR\xC9POSITION";
    if (po == "interj") return "INTERJECTION";
    if (po == "cjco" || po == "cjsub") return "CONJONCTION";
    if (po.size() > 3 && po.compare(0, 3, "pro") == 0) return "PRONOM";
    return "";  // proper names, determiners, numbers ... carry no inflection text here
}

char MajusculeSansAccent(unsigned char c) {
    if (c >= 'a' && c <= 'z') return char(c - 'a' + 'A');
    switch (c) {
        case 0xE9: case 0xE8: case 0xEA: case 0xEB: case 0xC9: case 0xC8: case 0xCA: case 0xCB: return 'E';
        case 0xE0: case 0xE2: case 0xE4: case 0xC0: case 0xC2: case 0xC4: return 'A';
        case 0xEE: case 0xEF: case 0xCE: case 0xCF: return 'I';
        case 0xF4: case 0xF6: case 0xD4: case 0xD6: return 'O';
        case 0xF9: case 0xFB: case 0xFC: case 0xD9: case 0xDB: case 0xDC: return 'U';
        case 0xE7: case 0xC7: return 'C';
        default: return char(c);
    }
}

std::string Joindre(const std::vector<std::string>& mots) {
    std::string texte;
    for (const std::string& mot : mots) texte += (texte.empty() ? "" : ", ") + mot;
    return texte;
}

bool Contient(const std::vector<std::string>& valeurs, const char* valeur) {
    return std::find(valeurs.begin(), valeurs.end(), valeur) != valeurs.end();
}

// Plurals that the affix rules cannot derive; the dictionary lists them as
// entries of their own, unconnected to their singulars.
struct PlurielIrregulier {
    const char* singulier;
    const char* pluriel;
    bool feminin;
    bool seulPluriel;  // the plural by rule is not in use ("œils" only in compounds)
};
const PlurielIrregulier PlurielsIrreguliers[] = {
    {"\x9C" "il", "yeux", false, true},
    {"ciel", "cieux", false, false},
    {"a\xEF" "eul", "a\xEF" "eux", false, false},
    {"bonhomme", "bonshommes", false, true},
    {"gentilhomme", "gentilshommes", false, true},
    {"madame", "mesdames", true, true},
    {"mademoiselle", "mesdemoiselles", true, true},
    {"monsieur", "messieurs", false, true},
    {"monseigneur", "messeigneurs", false, true},
};

bool CommenceParVoyelleOuH(const std::string& mot) {
    static const std::string voyelles = "aeiouyh\xE9\xE8\xEA\xE0\xE2\xEE\xEF\xF4\xFB\xF9\x9C\xE6";
    return !mot.empty() && voyelles.find(mot[0]) != std::string::npos;
}

std::string AvecPronom(const std::string& personne, const std::string& forme, bool hAspire) {
    if (personne == "1sg")
        return CommenceParVoyelleOuH(forme) && !(hAspire && forme[0] == 'h') ? "j'" + forme : "je " + forme;
    if (personne == "2sg") return "tu " + forme;
    if (personne == "3sg") return "il " + forme;
    if (personne == "1pl") return "nous " + forme;
    if (personne == "2pl") return "vous " + forme;
    if (personne == "3pl") return "ils " + forme;
    return forme;
}

struct Temps {
    const char* etiquette;
    const char* nom;
    std::vector<std::string> personnes;  // shown when they exist; none shown: the first that exists
};

// The first form of a tense and person, or empty.
std::string FormeDe(const std::vector<FormeFlechie>& formes, const std::string& temps,
                    const std::string& personne) {
    for (const FormeFlechie& f : formes)
        if (Contient(f.temps, temps.c_str()) && (personne.empty() || Contient(f.personnes, personne.c_str())))
            return f.forme;
    return "";
}

std::string TexteVerbe(const std::vector<FormeFlechie>& formes, bool hAspire) {
    static const Temps temps[] = {
        {"ipre", "pr\xE9sent", {"1sg", "1pl", "3pl"}},
        {"iimp", "imparfait", {"1sg"}},
        {"ipsi", "pass\xE9 simple", {"3sg", "3pl"}},
        {"ifut", "futur", {"1sg"}},
        {"ppre", "participe pr\xE9sent", {""}},
        {"ppas", "participe pass\xE9", {""}},
    };
    static const char* const toutes[] = {"1sg", "2sg", "3sg", "1pl", "2pl", "3pl"};
    // Impersonal verbs (il pleut, il faut) are shown in the third person singular.
    const bool impersonnel = FormeDe(formes, "ipre", "1sg").empty() && !FormeDe(formes, "ipre", "3sg").empty();
    std::string texte;
    for (const Temps& t : temps) {
        std::vector<std::string> parties;
        const std::vector<std::string> personnes =
            impersonnel && !t.personnes[0].empty() ? std::vector<std::string>{"3sg"} : t.personnes;
        for (const std::string& personne : personnes) {
            const std::string forme = FormeDe(formes, t.etiquette, personne);
            if (!forme.empty()) AjouterSansDoublon(parties, AvecPronom(personne, forme, hAspire));
        }
        // Defective verbs: show the persons they do have.
        for (std::size_t k = 0; parties.empty() && k < std::size(toutes); ++k) {
            const std::string forme = FormeDe(formes, t.etiquette, toutes[k]);
            if (!forme.empty()) parties.push_back(AvecPronom(toutes[k], forme, hAspire));
        }
        if (parties.empty()) continue;
        texte += (texte.empty() ? "" : " ; ") + std::string(t.nom) + " : " + Joindre(parties);
    }
    return texte;
}

std::string TexteNomOuAdjectif(const std::string& lemme, const std::vector<FormeFlechie>& formes) {
    std::vector<std::string> masculins, feminins, pluriels;
    bool masculinSeul = false, femininSeul = false;
    // A word known only as a plural (the Littré's "yeux") has no other form to show.
    if (std::none_of(formes.begin(), formes.end(), [](const FormeFlechie& f) { return f.singulier; })) return "";
    for (const FormeFlechie& f : formes) {
        if (!f.temps.empty()) continue;
        masculinSeul |= f.masculin && !f.feminin;
        femininSeul |= f.feminin && !f.masculin;
    }
    for (const FormeFlechie& f : formes) {
        if (!f.temps.empty()) continue;
        if (f.singulier && f.masculin) AjouterSansDoublon(masculins, f.forme);
        if (f.singulier && f.feminin && !f.masculin) AjouterSansDoublon(feminins, f.forme);
    }
    for (const FormeFlechie& f : formes)  // masculine plurals first
        if (f.temps.empty() && f.pluriel && f.masculin) AjouterSansDoublon(pluriels, f.forme);
    for (const FormeFlechie& f : formes)
        if (f.temps.empty() && f.pluriel && !f.masculin) AjouterSansDoublon(pluriels, f.forme);
    if (masculinSeul && femininSeul && !feminins.empty()) {
        std::string texte = "masculin : " + Joindre(masculins) + " ; f\xE9minin : " + Joindre(feminins);
        if (!pluriels.empty()) texte += " ; pluriel : " + Joindre(pluriels);
        return texte;
    }
    if (pluriels.empty()) return "";
    if (pluriels.size() == 1 && pluriels[0] == lemme) return "invariable";
    return "pluriel : " + Joindre(pluriels);
}

}  // namespace

std::string CleCategorie(const std::string& categorie) {
    std::string cle;
    for (unsigned char c : categorie) {
        if (c == ' ' || c == ',' || c == '.') {
            if (!cle.empty()) break;
            continue;
        }
        cle += MajusculeSansAccent(c);
    }
    return cle;
}

// Repeats (a word listed twice, two rules giving one form) are kept: the
// texts and the index drop them where they are built.
void TableFlexions::AjouterForme(const std::string& lemme, const std::string& categorie, FormeFlechie forme) {
    lemmes_[lemme][categorie].push_back(std::move(forme));
}

void TableFlexions::AjouterHunspell(const DictionnaireHunspell& dictionnaire) {
    static const std::set<std::string> etiquettesTemps = {"infi", "ipre", "iimp", "ipsi", "ifut", "cond",
                                                          "spre", "simp", "impe", "ppre", "ppas"};
    static const std::set<std::string> etiquettesPersonnes = {"1sg", "2sg", "3sg", "1pl", "2pl", "3pl"};
    for (const EntreeHunspell& entree : dictionnaire.Entrees()) {
        std::vector<std::string> categories;
        for (const std::string& po : ChampsMorphologiques(entree.morphologie, "po")) {
            const std::string categorie = CategorieHunspell(po);
            if (!categorie.empty()) AjouterSansDoublon(categories, categorie);
        }
        if (categories.empty()) continue;
        std::string lemme;
        const auto souches = ChampsMorphologiques(entree.morphologie, "st");
        if (!CodePointsVersCp1252(souches.empty() ? entree.mot : dictionnaire.Decoder(souches[0]), lemme)) continue;
        for (const FormeHunspell& fh : dictionnaire.Developper(entree, false)) {
            if (!ChampsMorphologiques(fh.morphologie, "ds").empty()) continue;  // "vas-y", "va-t'en"
            FormeFlechie forme;
            if (!CodePointsVersCp1252(fh.forme, forme.forme)) continue;
            for (const std::string& po : ChampsMorphologiques(fh.morphologie, "po")) {
                if (etiquettesTemps.count(po)) forme.temps.push_back(po);
                if (etiquettesPersonnes.count(po)) forme.personnes.push_back(po);
            }
            const auto is = ChampsMorphologiques(fh.morphologie, "is");
            if (Contient(is, "mas") && !Contient(is, "fem")) forme.feminin = false;
            if (Contient(is, "fem") && !Contient(is, "mas")) forme.masculin = false;
            if (Contient(is, "sg") && !Contient(is, "pl")) forme.pluriel = false;
            if (Contient(is, "pl") && !Contient(is, "sg")) forme.singulier = false;
            for (const std::string& categorie : categories) {
                // A verb's participles are adjectives too, but belong to the verb's text.
                if (categorie != "VERBE" && !forme.temps.empty()) continue;
                AjouterForme(lemme, categorie, forme);
            }
        }
    }
}

void TableFlexions::AjouterVerbiste(const std::vector<FormesVerbe>& verbes) {
    struct TempsVerbiste {
        const char* mode;
        const char* temps;
        const char* etiquette;
    };
    static const TempsVerbiste correspondances[] = {
        {"infinitive", "infinitive-present", "infi"}, {"indicative", "present", "ipre"},
        {"indicative", "imperfect", "iimp"},          {"indicative", "simple-past", "ipsi"},
        {"indicative", "future", "ifut"},             {"conditional", "present", "cond"},
        {"subjunctive", "present", "spre"},           {"subjunctive", "imperfect", "simp"},
        {"imperative", "imperative-present", "impe"}, {"participle", "present-participle", "ppre"},
        {"participle", "past-participle", "ppas"},
    };
    static const char* const personnes[] = {"1sg", "2sg", "3sg", "1pl", "2pl", "3pl"};
    static const char* const imperatif[] = {"2sg", "1pl", "2pl"};
    for (const FormesVerbe& verbe : verbes) {
        if (verbe.infinitif.empty()) continue;
        std::vector<FormeFlechie> formes;
        for (const TempsVerbiste& c : correspondances) {
            const auto mode = verbe.formes.find(c.mode);
            if (mode == verbe.formes.end()) continue;
            const auto temps = mode->second.find(c.temps);
            if (temps == mode->second.end()) continue;
            const std::string etiquette = c.etiquette;
            for (std::size_t rang = 0; rang < temps->second.size(); ++rang)
                for (const std::string& alternative : temps->second[rang]) {
                    if (alternative.empty()) continue;
                    FormeFlechie forme;
                    forme.forme = alternative;
                    forme.temps = {etiquette};
                    if (etiquette == "ppas") {  // masculine singular, masculine plural, feminine ...
                        forme.masculin = rang < 2;
                        forme.feminin = rang >= 2;
                        forme.singulier = rang % 2 == 0;
                        forme.pluriel = rang % 2 == 1;
                    } else if (etiquette == "impe" && rang < std::size(imperatif)) {
                        forme.personnes = {imperatif[rang]};
                    } else if (etiquette != "infi" && etiquette != "ppre" && rang < std::size(personnes)) {
                        forme.personnes = {personnes[rang]};
                    }
                    formes.push_back(std::move(forme));
                }
        }
        if (formes.empty()) continue;
        auto& existantes = lemmes_[verbe.infinitif]["VERBE"];
        existantes.insert(existantes.begin(), formes.begin(), formes.end());
        if (verbe.hAspire) hAspires_.insert(verbe.infinitif);
    }
}

void TableFlexions::AjouterPlurielsIrreguliers() {
    for (const PlurielIrregulier& p : PlurielsIrreguliers) {
        FormeFlechie singulier, pluriel;
        singulier.forme = p.singulier;
        pluriel.forme = p.pluriel;
        singulier.pluriel = false;
        pluriel.singulier = false;
        singulier.masculin = pluriel.masculin = !p.feminin;
        singulier.feminin = pluriel.feminin = p.feminin;
        auto& formes = lemmes_[p.singulier]["NOM"];
        if (p.seulPluriel)
            formes.erase(std::remove_if(formes.begin(), formes.end(),
                                        [](const FormeFlechie& f) { return !f.singulier; }),
                         formes.end());
        AjouterForme(p.singulier, "NOM", singulier);
        AjouterForme(p.singulier, "NOM", pluriel);
    }
}

std::vector<std::string> TableFlexions::Categories(const std::string& lemme) const {
    std::vector<std::string> categories;
    const auto trouve = lemmes_.find(lemme);
    if (trouve == lemmes_.end()) return categories;
    for (const char* categorie : OrdreCategories)
        if (trouve->second.count(categorie)) categories.push_back(categorie);
    return categories;
}

void TableFlexions::IndexerParticipes() {
    participes_.clear();
    verbesDesParticipes_.clear();
    for (const auto& [lemme, categories] : lemmes_) {
        const auto verbe = categories.find("VERBE");
        if (verbe == categories.end()) continue;
        for (const FormeFlechie& f : verbe->second) {
            if (Contient(f.temps, "ppas") && f.masculin && !f.feminin && f.singulier && !f.pluriel)
                participes_.emplace(f.forme, lemme);
            if (Contient(f.temps, "ppas") || Contient(f.temps, "ppre")) verbesDesParticipes_[f.forme].insert(lemme);
        }
    }
}

std::vector<std::pair<std::string, FormeFlechie>> TableFlexions::LecturesDeForme(const std::string& lemme,
                                                                                 const std::string& forme) const {
    std::vector<std::pair<std::string, FormeFlechie>> lectures;
    const auto trouve = lemmes_.find(lemme);
    if (trouve == lemmes_.end()) return lectures;
    for (const auto& [categorie, formes] : trouve->second)
        for (const FormeFlechie& f : formes)
            if (f.forme == forme) lectures.emplace_back(categorie, f);
    return lectures;
}

bool TableFlexions::ParticipeDe(const std::string& forme, const std::string& verbe) const {
    const auto verbes = verbesDesParticipes_.find(forme);
    return verbes != verbesDesParticipes_.end() && verbes->second.count(verbe) != 0;
}

// A participle shows its four forms: those of the adjective when the word
// is one, else the past participle forms of its verb.
std::string TableFlexions::TexteParticipe(const std::string& participe) const {
    const auto lemme = lemmes_.find(participe);
    if (lemme != lemmes_.end() && lemme->second.count("ADJECTIF"))
        return TexteNomOuAdjectif(participe, lemme->second.at("ADJECTIF"));
    const auto verbe = participes_.find(participe);
    if (verbe == participes_.end()) return "";
    std::vector<FormeFlechie> formes;
    for (const FormeFlechie& f : lemmes_.at(verbe->second).at("VERBE")) {
        if (!Contient(f.temps, "ppas")) continue;
        FormeFlechie accord = f;
        accord.temps.clear();
        formes.push_back(accord);
    }
    return TexteNomOuAdjectif(participe, formes);
}

std::string TableFlexions::Texte(const std::string& lemme, const std::string& categorieArticle,
                                 const std::string& genre) const {
    const std::string cle = CleCategorie(categorieArticle);
    if (cle == "PARTICIPE") return TexteParticipe(lemme);
    const auto trouve = lemmes_.find(lemme);
    if (trouve == lemmes_.end()) return "";
    std::string categorie;
    for (const auto& [nom, formes] : trouve->second)
        if (CleCategorie(nom) == cle) categorie = nom;
    if (categorie.empty()) return "";
    std::vector<FormeFlechie> formes = trouve->second.at(categorie);
    if (categorie == "VERBE") return TexteVerbe(formes, hAspires_.count(lemme) != 0);
    if (categorie == "NOM" && !genre.empty()) {
        const bool masculin = genre.find("masculin") != std::string::npos;
        const bool feminin = genre.find("f\xE9minin") != std::string::npos;
        if (masculin != feminin)
            formes.erase(std::remove_if(formes.begin(), formes.end(),
                                        [&](const FormeFlechie& f) {
                                            return masculin ? !f.masculin : !f.feminin;
                                        }),
                         formes.end());
    }
    return TexteNomOuAdjectif(lemme, formes);
}

std::string TableFlexions::GenreNom(const std::string& lemme) const {
    const auto trouve = lemmes_.find(lemme);
    if (trouve == lemmes_.end()) return "";
    const auto noms = trouve->second.find("NOM");
    if (noms == trouve->second.end()) return "";
    bool masculin = false, feminin = false;
    for (const FormeFlechie& f : noms->second)
        if (f.forme == lemme && f.singulier) {
            masculin |= f.masculin;
            feminin |= f.feminin;
        }
    if (masculin == feminin) return "";
    return masculin ? "masculin" : "f\xE9minin";
}

std::set<std::string> TableFlexions::Formes(const std::string& lemme) const {
    std::set<std::string> formes;
    const auto trouve = lemmes_.find(lemme);
    if (trouve == lemmes_.end()) return formes;
    for (const auto& [categorie, liste] : trouve->second)
        for (const FormeFlechie& f : liste)
            if (f.forme != lemme) formes.insert(f.forme);
    return formes;
}

void TableFlexions::Indexer(const std::set<std::string>& vedettes,
                            std::map<std::string, std::vector<std::string>>& index,
                            const std::map<std::string, std::string>& graphies) const {
    for (const auto& [lemme, categories] : lemmes_) {
        std::string vedette = lemme;
        if (!vedettes.count(lemme)) {
            const auto autre = graphies.find(lemme);
            if (autre == graphies.end()) continue;
            vedette = autre->second;
        }
        for (const auto& [categorie, formes] : categories)
            for (const FormeFlechie& f : formes) {
                if (f.forme != vedette && !vedettes.count(f.forme)) AjouterSansDoublon(index[f.forme], vedette);
                // A headword spelt without ligatures is typed so in its forms too: "coeurs".
                const std::string sansLigature = SansLigatures(f.forme);
                if (vedette != lemme && sansLigature != f.forme && sansLigature != vedette &&
                    !vedettes.count(sansLigature))
                    AjouterSansDoublon(index[sansLigature], vedette);
            }
    }
}

std::string SansLigatures(const std::string& texte) {
    std::string sortie;
    for (char c : texte) {
        if (c == '\x9C') sortie += "oe";
        else if (c == '\xE6') sortie += "ae";
        else sortie += c;
    }
    return sortie;
}

bool TableFlexions::PlurielSeulement(const std::string& mot) const {
    const auto trouve = lemmes_.find(mot);
    if (trouve == lemmes_.end()) return false;
    bool pluriel = false;
    for (const auto& [categorie, formes] : trouve->second)
        for (const FormeFlechie& f : formes)
            if (f.forme == mot) {
                if (f.singulier) return false;
                pluriel = true;
            }
    return pluriel;
}

void AjouterSansDoublon(std::vector<std::string>& liste, const std::string& mot) {
    if (std::find(liste.begin(), liste.end(), mot) == liste.end()) liste.push_back(mot);
}
