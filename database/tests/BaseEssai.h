#pragma once
// Real SQLite database files for the tests, made in a folder of their own
// that is removed with the fixture.
#include <string>
#include <vector>

class BaseEssai {
public:
    // A fresh, empty folder under the temporary directory.
    explicit BaseEssai(const std::string& nomTest);
    ~BaseEssai();
    BaseEssai(const BaseEssai&) = delete;
    BaseEssai& operator=(const BaseEssai&) = delete;

    const std::string& Dossier() const { return dossier_; }
    std::string Chemin(const std::string& nomFichier) const { return dossier_ + "/" + nomFichier; }

    // Creates (or opens) the database file and runs the SQL; false on any error.
    bool Executer(const std::string& fichier, const std::string& sql);
    // Inserts one row of blobs: INSERT INTO table VALUES (?, ?, ...).
    bool InsererBlobs(const std::string& fichier, const std::string& table, const std::vector<std::string>& valeurs);

    // The ODBC connection string of a database file of this folder.
    std::string ChaineConnexion(const std::string& fichier) const;

private:
    std::string dossier_;
};
