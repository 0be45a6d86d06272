#include "platform/wx/InterfaceWx.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/evtloop.h>
#include <wx/evtloopsrc.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "platform/wx/FenetreWx.h"
#include "platform/wx/TexteWx.h"

namespace {
class ApplicationVocalia : public wxApp {
public:
    bool OnInit() override { return true; }
};
}  // namespace

wxIMPLEMENT_APP_NO_MAIN(ApplicationVocalia);

bool DemarrerWx(int& argc, char** argv) { return wxEntryStart(argc, argv); }

void ArreterWx() { wxEntryCleanup(); }

std::unique_ptr<FenetreDialogue> InterfaceWx::CreerFenetre(Dialogue& dialogue) {
    return std::make_unique<FenetreWx>(dialogue);
}

void InterfaceWx::BoiteMessage(const std::string& titre, const std::string& texte, Icone icone) {
    long style = wxOK;
    switch (icone) {
        case Icone::Information: style |= wxICON_INFORMATION; break;
        case Icone::Avertissement: style |= wxICON_WARNING; break;
        case Icone::Erreur: style |= wxICON_ERROR; break;
        case Icone::Question: style |= wxICON_QUESTION; break;
        case Icone::Aucune: break;
    }
    wxMessageBox(VersWx(texte), VersWx(titre), style, wxGetActiveWindow());
}

bool InterfaceWx::OuvrirPage(const std::string& url) {
    wxLogNull silence;  // a desktop without a browser is not the user's problem here
    return wxLaunchDefaultBrowser(VersWx(url));
}

void InterfaceWx::DebutAttente() { wxBeginBusyCursor(); }

void InterfaceWx::FinAttente() {
    if (wxIsBusy()) wxEndBusyCursor();
}

namespace {
// The text the clipboard holds in its primary selection or in its ordinary
// part; empty when it holds none.
std::string TextePressePapiers(bool primaire) {
    wxLogNull silence;  // an empty or foreign selection is no error worth a dialog
    wxTheClipboard->UsePrimarySelection(primaire);
    std::string texte;
    if (wxTheClipboard->Open()) {
        if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT)) {
            wxTextDataObject donnees;
            if (wxTheClipboard->GetData(donnees)) texte = DepuisWx(donnees.GetText());
        }
        wxTheClipboard->Close();
    }
    wxTheClipboard->UsePrimarySelection(false);
    return texte;
}

bool SansTexte(const std::string& texte) { return texte.find_first_not_of(" \t\r\n") == std::string::npos; }
}  // namespace

std::string InterfaceWx::TexteSelectionne() {
    const std::string primaire = TextePressePapiers(true);
    return SansTexte(primaire) ? TextePressePapiers(false) : primaire;
}

void Differer(std::function<void()> action) {
    if (wxTheApp) wxTheApp->CallAfter(std::move(action));
}

class SurveillanceDescripteur::Gestionnaire : public wxEventLoopSourceHandler {
public:
    explicit Gestionnaire(std::function<void()> lecteur) : lecteur_(std::move(lecteur)) {}
    void OnReadWaiting() override { lecteur_(); }
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override {}

private:
    std::function<void()> lecteur_;
};

SurveillanceDescripteur::SurveillanceDescripteur(int descripteur, std::function<void()> lecteur)
    : gestionnaire_(std::make_unique<Gestionnaire>(std::move(lecteur))) {
    if (descripteur >= 0)
        source_ = wxEventLoopBase::AddSourceForFD(descripteur, gestionnaire_.get(), wxEVENT_SOURCE_INPUT);
}

SurveillanceDescripteur::~SurveillanceDescripteur() { delete source_; }
