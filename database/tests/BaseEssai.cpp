#include "database/tests/BaseEssai.h"

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>

#include "database/ConnexionBase.h"

BaseEssai::BaseEssai(const std::string& nomTest) {
    namespace fs = std::filesystem;
    const fs::path chemin = fs::temp_directory_path() / ("vocalia_" + nomTest + "_" + std::to_string(::getpid()));
    fs::remove_all(chemin);
    fs::create_directories(chemin);
    dossier_ = chemin.string();
}

BaseEssai::~BaseEssai() {
    std::error_code erreur;
    std::filesystem::remove_all(dossier_, erreur);
}

bool BaseEssai::Executer(const std::string& fichier, const std::string& sql) {
    sqlite3* base = nullptr;
    bool reussi = sqlite3_open(Chemin(fichier).c_str(), &base) == SQLITE_OK &&
                  sqlite3_exec(base, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(base);
    return reussi;
}

bool BaseEssai::InsererBlobs(const std::string& fichier, const std::string& table,
                             const std::vector<std::string>& valeurs) {
    std::string sql = "INSERT INTO " + table + " VALUES (";
    for (std::size_t i = 0; i < valeurs.size(); ++i) sql += i ? ", ?" : "?";
    sql += ");";
    sqlite3* base = nullptr;
    sqlite3_stmt* instruction = nullptr;
    bool reussi = sqlite3_open(Chemin(fichier).c_str(), &base) == SQLITE_OK &&
                  sqlite3_prepare_v2(base, sql.c_str(), -1, &instruction, nullptr) == SQLITE_OK;
    for (std::size_t i = 0; reussi && i < valeurs.size(); ++i)
        reussi = sqlite3_bind_blob(instruction, int(i + 1), valeurs[i].data(), int(valeurs[i].size()),
                                   SQLITE_TRANSIENT) == SQLITE_OK;
    reussi = reussi && sqlite3_step(instruction) == SQLITE_DONE;
    sqlite3_finalize(instruction);
    sqlite3_close(base);
    return reussi;
}

std::string BaseEssai::ChaineConnexion(const std::string& fichier) const {
    return std::string(PREFIXE_CONNEXION) + Chemin(fichier);
}
