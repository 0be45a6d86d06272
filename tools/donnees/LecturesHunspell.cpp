#include "tools/donnees/LecturesHunspell.h"

#include <algorithm>

#include "text/Cp1252.h"
#include "tools/donnees/Flexions.h"
#include "tools/donnees/Hunspell.h"

namespace {

bool Commence(const std::string& texte, const char* debut) { return texte.rfind(debut, 0) == 0; }

bool EstMajuscule(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7); }

bool EstVerbe(const std::string& po) { return po.size() >= 2 && po[0] == 'v' && po[1] >= '0' && po[1] <= '9'; }

// A verb's code "v1_it_q_zz": intransitive, transitive, indirect transitive
// at 3 to 5, pronominal-only "p" at 6.
bool PronominalSeulement(const std::string& po) {
    return po.size() > 6 && po.compare(3, 3, "___") == 0 && po[6] == 'p';
}

// A noun's genders from the forms spelt like the entry: "is:mas", "is:fem",
// "is:epi" (either).
void NoterGenres(const std::string& morphologie, LectureHunspell& lecture) {
    for (const std::string& is : ChampsMorphologiques(morphologie, "is")) {
        if (is == "mas" || is == "epi") lecture.masculin = true;
        if (is == "fem" || is == "epi") lecture.feminin = true;
    }
}

// Each word of an article's category, as the Littré and the added articles
// write them.
void CategoriesDuMot(const std::string& mot, std::set<std::string>& cles) {
    static const std::map<std::string, std::vector<const char*>> Table = {
        {"NOM", {CAT_NOM}},
        {"SUBSTANTIF", {CAT_NOM}},
        {"ADJECTIF", {CAT_ADJECTIF}},
        {"VERBE", {CAT_VERBE}},
        {"PARTICIPE", {CAT_PARTICIPE}},
        {"ADVERBE", {CAT_ADVERBE}},
        {"ADVERBIALE", {CAT_ADVERBE}},
        {"PRONOM", {CAT_PRONOM}},
        {"ARTICLE", {CAT_DETERMINANT}},
        {"D\xC9TERMINANT", {CAT_DETERMINANT}},
        {"NUM\xC9RAL", {CAT_DETERMINANT}},
        {"D\xC9MONSTRATIF", {CAT_DETERMINANT}},
        {"POSSESSIF", {CAT_DETERMINANT}},
        {"PR\xC9POSITION", {CAT_PREPOSITION}},
        {"PR\xC9POSITIVE", {CAT_PREPOSITION}},
        {"CONJONCTION", {CAT_CONJONCTION}},
        {"CONJONCTIVE", {CAT_CONJONCTION}},
        {"INTERJECTION", {CAT_INTERJECTION}},
        {"INTERJECTIVE", {CAT_INTERJECTION}},
        {"PR\xC9\x46IXE", {CAT_AFFIXE}},
        {"SUFFIXE", {CAT_AFFIXE}},
    };
    const auto trouve = Table.find(mot);
    if (trouve != Table.end()) cles.insert(trouve->second.begin(), trouve->second.end());
}

}  // namespace

std::vector<std::string> CategoriesDePo(const std::string& po) {
    if (po == "nom") return {CAT_NOM};
    if (po == "adj") return {CAT_ADJECTIF};
    if (EstVerbe(po)) return {CAT_VERBE};
    if (po == "adv" || po == "negadv" || po == "advint") return {CAT_ADVERBE};
    if (po == "prep" || po == "prepv") return {CAT_PREPOSITION};
    if (po == "cjco" || po == "cjsub") return {CAT_CONJONCTION};
    if (po == "interj") return {CAT_INTERJECTION};
    if (po == "nb") return {CAT_DETERMINANT};
    if (Commence(po, "det")) return {CAT_DETERMINANT};
    if (Commence(po, "pro") && po.size() > 3) return {CAT_PRONOM};
    if (po == "npr" || po == "prn" || po == "patr" || po == "titr") return {CAT_NOM_PROPRE};
    if (po == "pfx") return {CAT_AFFIXE};
    return {};
}

void LecturesHunspell::AjouterEntree(const std::string& mot, const std::string& morphologie) {
    const std::vector<std::string> pos = ChampsMorphologiques(morphologie, "po");
    std::vector<std::string> categories;
    // The dictionary files regions and rivers ("Bretagne", "Allier") as
    // nouns; a capital says they are proper names.
    const bool majuscule = !mot.empty() && EstMajuscule(static_cast<unsigned char>(mot[0]));
    for (const std::string& po : pos)
        for (const std::string& categorie : CategoriesDePo(po))
            AjouterSansDoublon(categories, majuscule && categorie == CAT_NOM ? CAT_NOM_PROPRE : categorie);
    if (categories.empty()) return;
    LectureHunspell& lecture = lectures_[mot];
    for (const std::string& categorie : categories) AjouterSansDoublon(lecture.categories, categorie);
    if (std::find(pos.begin(), pos.end(), "nom") != pos.end()) NoterGenres(morphologie, lecture);
    if (std::find(pos.begin(), pos.end(), "mg") != pos.end()) {
        lecture.grammatical = true;
        lecture.grammaticales.insert(categories.begin(), categories.end());
    }
    for (const std::string& po : pos) {
        if (!EstVerbe(po)) continue;
        (PronominalSeulement(po) ? lecture.verbePronominal : lecture.verbeAutre) = true;
    }
    // A form of another word ("yeux" st:œil) tells its category, not a lemma.
    const std::vector<std::string> st = ChampsMorphologiques(morphologie, "st");
    if (st.empty() || Utf8VersCp1252(st.front()) == mot) lecture.lemme = true;
}

void LecturesHunspell::Ajouter(const DictionnaireHunspell& dictionnaire) {
    std::string mot, forme;
    for (const EntreeHunspell& entree : dictionnaire.Entrees()) {
        if (!CodePointsVersCp1252(entree.mot, mot)) continue;
        AjouterEntree(mot, entree.morphologie);
        const std::vector<std::string> pos = ChampsMorphologiques(entree.morphologie, "po");
        const bool nom = std::find(pos.begin(), pos.end(), "nom") != pos.end();
        const bool verbe = std::any_of(pos.begin(), pos.end(), EstVerbe);
        if (!nom && !verbe) continue;
        for (const FormeHunspell& f : dictionnaire.Developper(entree, false)) {
            if (!CodePointsVersCp1252(f.forme, forme)) continue;
            if (nom && forme == mot) NoterGenres(f.morphologie, lectures_[mot]);
            if (!verbe) continue;
            const std::vector<std::string> temps = ChampsMorphologiques(f.morphologie, "po");
            const bool participe = std::find(temps.begin(), temps.end(), "ppas") != temps.end() ||
                                   std::find(temps.begin(), temps.end(), "ppre") != temps.end();
            if (participe) AjouterSansDoublon(lectures_[forme].categories, CAT_PARTICIPE);
        }
    }
}

const LectureHunspell* LecturesHunspell::Lecture(const std::string& mot) const {
    const auto trouvee = lectures_.find(mot);
    return trouvee == lectures_.end() ? nullptr : &trouvee->second;
}

std::set<std::string> CategoriesComparees(const std::string& categorie) {
    std::set<std::string> cles;
    std::string mot;
    for (std::size_t i = 0; i <= categorie.size(); ++i) {
        if (i < categorie.size() && categorie[i] != ' ' && categorie[i] != ',') {
            mot += categorie[i];
            continue;
        }
        if (!mot.empty()) CategoriesDuMot(mot, cles);
        mot.clear();
    }
    // "NOM PROPRE" is no common noun.
    if (categorie.find("NOM PROPRE") != std::string::npos) {
        cles.erase(CAT_NOM);
        cles.insert(CAT_NOM_PROPRE);
    }
    return cles;
}

bool CategoriesConcordent(const std::set<std::string>& article, const LectureHunspell& lecture) {
    for (const std::string& lue : lecture.categories) {
        if (article.count(lue)) return true;
        const bool adjectival = lue == CAT_DETERMINANT || lue == CAT_PARTICIPE || lue == CAT_ADJECTIF;
        if (adjectival && (article.count(CAT_ADJECTIF) || article.count(CAT_PARTICIPE))) return true;
        if (lue == CAT_ADJECTIF && article.count(CAT_DETERMINANT)) return true;
    }
    return false;
}

std::string CategorieDeLecture(const LectureHunspell& lecture) {
    return lecture.categories.empty() ? "" : lecture.categories.front();
}
