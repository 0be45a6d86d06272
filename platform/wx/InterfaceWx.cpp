#include "platform/wx/InterfaceWx.h"

#include <wx/app.h>
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
