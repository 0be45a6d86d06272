#include "tools/donnees/BaseConjugaisons.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "data/Ressources.h"
#include "database/IndexeurSecDB.h"
#include "tools/donnees/NomProvisoire.h"
#include "tools/donnees/TexteConjugaison.h"

namespace {

const FormesVerbe* Trouver(const std::vector<FormesVerbe>& verbes, const std::string& infinitif) {
    for (const FormesVerbe& verbe : verbes)
        if (verbe.infinitif == infinitif) return &verbe;
    return nullptr;
}

class BaseSqlite {
public:
    explicit BaseSqlite(const std::string& chemin) {
        if (sqlite3_open(chemin.c_str(), &base_) != SQLITE_OK) Echec();
    }
    ~BaseSqlite() {
        sqlite3_finalize(insertion_);
        sqlite3_close(base_);
    }
    BaseSqlite(const BaseSqlite&) = delete;
    BaseSqlite& operator=(const BaseSqlite&) = delete;

    bool Preparer() {
        return Executer("PRAGMA journal_mode=OFF; BEGIN;"
                        "CREATE TABLE ConjugaisonImage (hash BLOB PRIMARY KEY, contenu BLOB);") &&
               Verifier(sqlite3_prepare_v2(base_, "INSERT INTO ConjugaisonImage VALUES (?, ?);", -1, &insertion_,
                                           nullptr));
    }

    bool Inserer(const std::string& cle, const std::vector<unsigned char>& contenu) {
        return Verifier(sqlite3_bind_blob(insertion_, 1, cle.data(), int(cle.size()), SQLITE_TRANSIENT)) &&
               Verifier(sqlite3_bind_blob(insertion_, 2, contenu.data(), int(contenu.size()), SQLITE_TRANSIENT)) &&
               sqlite3_step(insertion_) == SQLITE_DONE && Verifier(sqlite3_reset(insertion_));
    }

    bool Terminer() { return Executer("COMMIT;"); }
    std::string Erreur() const { return base_ ? sqlite3_errmsg(base_) : "sqlite"; }

private:
    bool Executer(const char* sql) { return Verifier(sqlite3_exec(base_, sql, nullptr, nullptr, nullptr)); }
    bool Verifier(int code) { return base_ && code == SQLITE_OK; }
    void Echec() {
        sqlite3_close(base_);
        base_ = nullptr;
    }

    sqlite3* base_ = nullptr;
    sqlite3_stmt* insertion_ = nullptr;
};

std::vector<unsigned char> Contenu(const std::string& texte, const std::string& verbe) {
    return EmballerDonnees(std::vector<unsigned char>(texte.begin(), texte.end()), true, true, verbe, nullptr);
}

// One row per distinct infinitive; the first entry of a repeated one wins.
bool InsererVerbes(BaseSqlite& base, const std::vector<FormesVerbe>& verbes, const FormesVerbe& avoir,
                   const FormesVerbe& etre, BilanConjugaisons& bilan) {
    std::set<std::string> vus;
    for (const FormesVerbe& verbe : verbes) {
        if (!vus.insert(verbe.infinitif).second) continue;
        const std::string texte = TexteConjugaison(verbe, avoir, etre);
        const std::vector<unsigned char> contenu = Contenu(texte, verbe.infinitif);
        if (texte.size() > TAILLE_MAX_TEXTE_CONJUGAISON || contenu.empty() ||
            contenu.size() > IndexeurSecDB::TAILLE_DONNEES) {
            bilan.erreur = "texte trop long ou impossible a emballer : " + verbe.infinitif;
            return false;
        }
        if (!base.Inserer(IndexeurSecDB::EmpreinteCle(verbe.infinitif), contenu)) {
            bilan.erreur = base.Erreur();
            return false;
        }
        bilan.plusLongTexte = std::max(bilan.plusLongTexte, texte.size());
        bilan.plusLongContenu = std::max(bilan.plusLongContenu, contenu.size());
        ++bilan.verbes;
    }
    return true;
}

}  // namespace

BilanConjugaisons EcrireBaseConjugaisons(const std::vector<FormesVerbe>& verbes, const std::string& chemin) {
    BilanConjugaisons bilan;
    const FormesVerbe* avoir = Trouver(verbes, "avoir");
    const FormesVerbe* etre = Trouver(verbes, "\xEAtre");
    if (!avoir || !etre) {
        bilan.erreur = "les auxiliaires avoir et etre manquent";
        return bilan;
    }
    const std::string provisoire = NomProvisoire(chemin);
    std::remove(provisoire.c_str());
    bool reussi;
    {
        BaseSqlite base(provisoire);
        reussi = base.Preparer() && InsererVerbes(base, verbes, *avoir, *etre, bilan) && base.Terminer();
        if (!reussi && bilan.erreur.empty()) bilan.erreur = base.Erreur();
    }
    if (reussi && std::rename(provisoire.c_str(), chemin.c_str()) != 0) {
        reussi = false;
        bilan.erreur = "impossible de renommer " + provisoire;
    }
    if (!reussi) {
        std::remove(provisoire.c_str());
        bilan.verbes = 0;
    }
    return bilan;
}
