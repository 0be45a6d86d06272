#include "platform/wx/FenetreWx.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/display.h>

#include <wx/listbox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/generic/stattextg.h>
#include <wx/textctrl.h>

#include "platform/dialogue/Dialogue.h"
#include "platform/dialogue/GeometrieFenetre.h"
#include "platform/wx/TexteWx.h"

namespace {
bool EstMultiligne(const ControleModele& m) {
    return m.type == TypeControle::Edition && (m.styles & STYLE_MULTILIGNE);
}

long StyleEdition(const ControleModele& m) {
    long style = 0;
    if (m.styles & STYLE_MULTILIGNE) {
        style |= wxTE_MULTILINE;
        if (m.styles & STYLE_DEFILEMENT_VERTICAL) style |= wxVSCROLL;
        if (m.styles & STYLE_DEFILEMENT_HORIZONTAL_AUTO) style |= wxTE_DONTWRAP | wxHSCROLL;
    }
    if (m.styles & STYLE_LECTURE_SEULE) style |= wxTE_READONLY;
    return style;
}
}  // namespace

FenetreWx::FenetreWx(Dialogue& dialogue) : dialogue_(dialogue) {
    const ModeleDialogue& modele = dialogue.Modele();
    long style = wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX;
    if (modele.redimensionnable) style |= wxRESIZE_BORDER | wxMAXIMIZE_BOX;
    dialog_ = new wxDialog(nullptr, wxID_ANY, VersWx(modele.titre), wxDefaultPosition, wxDefaultSize, style);
    if (modele.policeFixe) dialog_->SetFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE));
    tailleModele_ = dialog_->ConvertDialogToPixels(wxSize(modele.largeur, modele.hauteur));
    dialog_->SetClientSize(tailleModele_);
    if (modele.redimensionnable) dialog_->SetMinClientSize(tailleModele_);
    for (const ControleModele& c : modele.controles) CreerControle(c);
    if (modele.redimensionnable) dialog_->Bind(wxEVT_SIZE, &FenetreWx::SurTaille, this);

    dialog_->Bind(wxEVT_BUTTON, &FenetreWx::SurCommande, this);
    dialog_->Bind(wxEVT_CHECKBOX, &FenetreWx::SurCommande, this);
    dialog_->Bind(wxEVT_LISTBOX, &FenetreWx::SurCommande, this);
    dialog_->Bind(wxEVT_CHAR_HOOK, &FenetreWx::SurTouche, this);
    dialog_->Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { dialogue_.Initialiser(); });
    dialog_->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { dialogue_.Notifier(ID_ANNULER, Notification::Clic); });
}

FenetreWx::~FenetreWx() {
    if (dialog_) dialog_->Destroy();
}

void FenetreWx::CreerControle(const ControleModele& m) {
    const wxPoint position = dialog_->ConvertDialogToPixels(wxPoint(m.x, m.y));
    const wxSize taille = dialog_->ConvertDialogToPixels(wxSize(m.largeur, m.hauteur));
    const int idWx = m.id == ID_STATIQUE ? wxID_ANY : wxWindow::NewControlId();
    const wxString texte = VersWx(m.texte);
    wxWindow* fenetre = nullptr;
    switch (m.type) {
        case TypeControle::Edition: {
            auto* edition = new wxTextCtrl(dialog_, idWx, wxString(), position, taille, StyleEdition(m));
            if (m.styles & STYLE_POLICE_FIXE) edition->SetFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE));
            const int id = m.id;
            edition->Bind(wxEVT_LEFT_DCLICK, [this, id](wxMouseEvent& e) { SurDoubleClic(id, e); });
            fenetre = edition;
            break;
        }
        case TypeControle::Bouton: {
            auto* bouton = new wxButton(dialog_, idWx, texte, position, taille);
            if (m.styles & STYLE_BOUTON_DEFAUT) {
                bouton->SetDefault();
                boutonDefaut_ = m.id;
            }
            fenetre = bouton;
            break;
        }
        case TypeControle::CaseACocher:
            fenetre = new wxCheckBox(dialog_, idWx, texte, position, taille);
            break;
        case TypeControle::CadreGroupe:
            fenetre = new wxStaticBox(dialog_, idWx, texte, position, taille);
            break;
        case TypeControle::Statique:
            if (m.styles & STYLE_NOTIFIE) {
                // The generic static has a window of its own, so it can take clicks.
                auto* lien = new wxGenericStaticText(dialog_, idWx, texte, position, taille);
                lien->SetCursor(wxCursor(wxCURSOR_HAND));
                lien->SetForegroundColour(wxColour(0, 0, 160));
                const int id = m.id;
                lien->Bind(wxEVT_LEFT_UP, [this, id](wxMouseEvent&) {
                    if (EstActif(id)) dialogue_.Notifier(id, Notification::Clic);
                });
                fenetre = lien;
            } else {
                fenetre = new wxStaticText(dialog_, idWx, texte, position, taille, wxST_NO_AUTORESIZE);
            }
            break;
        case TypeControle::Liste:
            fenetre = new wxListBox(dialog_, idWx, position, taille, 0, nullptr,
                                    wxLB_SINGLE | ((m.styles & STYLE_DEFILEMENT_VERTICAL) ? wxLB_NEEDED_SB : 0));
            break;
    }
    if (fenetre && m.ancrage != ANCRAGE_FIXE) ancres_.push_back({fenetre, wxRect(position, taille), m.ancrage, m.id});
    if (m.id == ID_STATIQUE || !fenetre) return;
    controles_[m.id] = {&m, fenetre};
    idsModele_[fenetre->GetId()] = m.id;
}

const FenetreWx::Controle* FenetreWx::Trouver(int id) const {
    auto trouve = controles_.find(id);
    return trouve == controles_.end() ? nullptr : &trouve->second;
}

int FenetreWx::IdModele(int idWx) const {
    auto trouve = idsModele_.find(idWx);
    return trouve == idsModele_.end() ? 0 : trouve->second;
}

void FenetreWx::SurCommande(wxCommandEvent& evenement) {
    const int id = IdModele(evenement.GetId());
    if (id == 0) {
        evenement.Skip();
        return;
    }
    const Notification n =
        evenement.GetEventType() == wxEVT_LISTBOX ? Notification::SelectionChangee : Notification::Clic;
    dialogue_.Notifier(id, n);
}

namespace {
// The shortcut a key stands for, if any.
std::optional<Raccourci> RaccourciDe(const wxKeyEvent& evenement) {
    const int touche = evenement.GetKeyCode();
    const int modificateurs = evenement.GetModifiers();
    if (touche == WXK_ESCAPE && modificateurs == wxMOD_NONE) return Raccourci::Echap;
    if (modificateurs == wxMOD_ALT && touche == WXK_LEFT) return Raccourci::AltGauche;
    if (modificateurs == wxMOD_ALT && touche == WXK_RIGHT) return Raccourci::AltDroite;
    if (modificateurs == wxMOD_CONTROL && touche == 'L') return Raccourci::CtrlL;
    if (modificateurs == wxMOD_CONTROL && touche == 'F') return Raccourci::CtrlF;
    return std::nullopt;
}
}  // namespace

// The dialog has the first say on its shortcuts; Escape not taken ends the
// dialog; Enter anywhere but on a button presses the default button.
void FenetreWx::SurTouche(wxKeyEvent& evenement) {
    const int touche = evenement.GetKeyCode();
    if (const std::optional<Raccourci> raccourci = RaccourciDe(evenement)) {
        wxWindow* focus = wxWindow::FindFocus();
        if (dialogue_.Touche(*raccourci, focus ? IdModele(focus->GetId()) : 0)) return;
        if (*raccourci == Raccourci::Echap) {
            dialogue_.Notifier(ID_ANNULER, Notification::Clic);
            return;
        }
    }
    if ((touche == WXK_RETURN || touche == WXK_NUMPAD_ENTER) && boutonDefaut_ != 0) {
        wxWindow* focus = wxWindow::FindFocus();
        if (!dynamic_cast<wxButton*>(focus) && EstActif(boutonDefaut_)) {
            dialogue_.Notifier(boutonDefaut_, Notification::Clic);
            return;
        }
    }
    evenement.Skip();
}

// Not skipped: the toolkit's own double-click would select a word and move the caret.
void FenetreWx::SurDoubleClic(int id, wxMouseEvent& evenement) {
    if (!dialogue_.DoubleClic(id)) evenement.Skip();
}

// The controls keep their distance to the edges they are anchored to; the
// template's layout is the smallest one, so the growth is never negative.
void FenetreWx::SurTaille(wxSizeEvent& evenement) {
    const wxSize client = dialog_->GetClientSize();
    const int dx = std::max(0, client.GetWidth() - tailleModele_.GetWidth());
    const int dy = std::max(0, client.GetHeight() - tailleModele_.GetHeight());
    for (const Ancre& a : ancres_) {
        wxRect r = a.initial;
        if (a.ancrage & ANCRAGE_DROITE) r.x += dx;
        if (a.ancrage & ANCRAGE_BAS) r.y += dy;
        if (a.ancrage & ETIRE_LARGEUR) r.width += dx;
        if (a.ancrage & ETIRE_HAUTEUR) r.height += dy;
        a.fenetre->SetSize(r);
    }
    dialog_->Refresh();
    SonderTailles();
    evenement.Skip();
}

// VOCALIA_SONDE_TAILLES names a file that receives, after each resizing, the
// window's inside size and each anchored control's place and size: how the
// desktop test sees the layout follow the window. Only in the test builds,
// like the pane's probe below.
void FenetreWx::SonderTailles() const {
#ifdef VOCALIA_SONDE_ESSAIS
    const char* fichier = std::getenv("VOCALIA_SONDE_TAILLES");
    if (!fichier || !*fichier) return;
    const std::string temporaire = std::string(fichier) + ".tmp";
    std::FILE* f = std::fopen(temporaire.c_str(), "wb");
    if (!f) return;
    const wxSize client = dialog_->GetClientSize();
    std::fprintf(f, "fenetre %d %d\n", client.GetWidth(), client.GetHeight());
    for (const Ancre& a : ancres_) {
        if (a.id == ID_STATIQUE) continue;
        const wxRect r = a.fenetre->GetRect();
        std::fprintf(f, "%d %d %d %d %d\n", a.id, r.x, r.y, r.width, r.height);
    }
    std::fclose(f);
    std::rename(temporaire.c_str(), fichier);
#endif
}

// The remembered place is used only while some screen still shows it.
void FenetreWx::RetablirGeometrie() {
    const ModeleDialogue& m = dialogue_.Modele();
    const std::optional<GeometrieFenetre> g =
        m.redimensionnable ? LireGeometrie(CheminGeometrie(m.nomGeometrie)) : std::nullopt;
    if (!g) {
        dialog_->CentreOnScreen();
        return;
    }
    dialog_->SetClientSize(wxSize(std::max(g->largeur, tailleModele_.GetWidth()),
                                  std::max(g->hauteur, tailleModele_.GetHeight())));
    const wxPoint coin(g->x, g->y);
    if (wxDisplay::GetFromPoint(coin) != wxNOT_FOUND)
        dialog_->Move(coin);
    else
        dialog_->CentreOnScreen();
}

void FenetreWx::RetenirGeometrie() const {
    const ModeleDialogue& m = dialogue_.Modele();
    if (!m.redimensionnable || m.nomGeometrie.empty()) return;
    const wxPoint coin = dialog_->GetPosition();
    const wxSize client = dialog_->GetClientSize();
    EcrireGeometrie(CheminGeometrie(m.nomGeometrie), {coin.x, coin.y, client.GetWidth(), client.GetHeight()});
}

int FenetreWx::Executer() {
    codeFin_ = ID_ANNULER;
    RetablirGeometrie();
    return dialog_->ShowModal();
}

void FenetreWx::Terminer(int code) {
    codeFin_ = code;
    if (dialog_->IsModal()) {
        RetenirGeometrie();
        dialog_->EndModal(code);
    }
}

std::string FenetreWx::Texte(int id) const {
    const Controle* c = Trouver(id);
    if (!c) return std::string();
    switch (c->modele->type) {
        case TypeControle::Edition: {
            const std::string texte = DepuisWx(static_cast<wxTextCtrl*>(c->fenetre)->GetValue());
            return EstMultiligne(*c->modele) ? AvecRetoursChariot(texte) : texte;
        }
        default:
            return DepuisWx(c->fenetre->GetLabel());
    }
}

void FenetreWx::DefinirTexte(int id, const std::string& texte) {
    const Controle* c = Trouver(id);
    if (!c) return;
    switch (c->modele->type) {
        case TypeControle::Edition:
            // ChangeValue: setting a text is not a user's edit and sends no notification.
            static_cast<wxTextCtrl*>(c->fenetre)->ChangeValue(
                VersWx(EstMultiligne(*c->modele) ? SansRetoursChariot(texte) : texte));
            static_cast<wxTextCtrl*>(c->fenetre)->SetInsertionPoint(0);
            Sonder(id);
            break;
        case TypeControle::Statique:
            c->fenetre->SetLabel(VersWx(texte));
            break;
        default:
            c->fenetre->SetLabel(VersWx(texte));
            break;
    }
}

// VOCALIA_SONDE names a file that receives the multi-line edits' text, read
// back from the widget after each change: how the desktop test sees the pane.
// Only in the test builds (option VOCALIA_SONDE_ESSAIS): the program users run
// writes no such file.
void FenetreWx::Sonder(int id) const {
#ifndef VOCALIA_SONDE_ESSAIS
    (void)id;
#else
    const Controle* c = Trouver(id);
    const char* fichier = std::getenv("VOCALIA_SONDE");
    if (!c || !fichier || !*fichier || !EstMultiligne(*c->modele)) return;
    const std::string temporaire = std::string(fichier) + ".tmp";
    std::FILE* f = std::fopen(temporaire.c_str(), "wb");
    if (!f) return;
    const wxString valeur = static_cast<wxTextCtrl*>(c->fenetre)->GetValue();
    const wxScopedCharBuffer utf8 = valeur.utf8_str();  // points into `valeur`
    std::fwrite(utf8.data(), 1, utf8.length(), f);
    std::fclose(f);
    std::rename(temporaire.c_str(), fichier);
#endif
}

int FenetreWx::Coche(int id) const {
    const Controle* c = Trouver(id);
    if (!c || c->modele->type != TypeControle::CaseACocher) return 0;
    return static_cast<wxCheckBox*>(c->fenetre)->GetValue() ? 1 : 0;
}

void FenetreWx::DefinirCoche(int id, int etat) {
    const Controle* c = Trouver(id);
    if (c && c->modele->type == TypeControle::CaseACocher) static_cast<wxCheckBox*>(c->fenetre)->SetValue(etat != 0);
}

void FenetreWx::Activer(int id, bool actif) {
    if (const Controle* c = Trouver(id)) c->fenetre->Enable(actif);
}

bool FenetreWx::EstActif(int id) const {
    const Controle* c = Trouver(id);
    return c && c->fenetre->IsThisEnabled();
}

void FenetreWx::DonnerFocus(int id) {
    if (const Controle* c = Trouver(id)) c->fenetre->SetFocus();
}

void FenetreWx::SelectionnerTout(int id) {
    const Controle* c = Trouver(id);
    if (c && c->modele->type == TypeControle::Edition) static_cast<wxTextCtrl*>(c->fenetre)->SelectAll();
}

namespace {
wxListBox* CommeListe(const ControleModele* m, wxWindow* f) {
    return m->type == TypeControle::Liste ? static_cast<wxListBox*>(f) : nullptr;
}
}  // namespace

void FenetreWx::ListeVider(int id) {
    const Controle* c = Trouver(id);
    if (wxListBox* l = c ? CommeListe(c->modele, c->fenetre) : nullptr) l->Clear();
}

void FenetreWx::ListeAjouter(int id, const std::string& ligne) {
    const Controle* c = Trouver(id);
    if (wxListBox* l = c ? CommeListe(c->modele, c->fenetre) : nullptr) l->Append(VersWx(ligne));
}

int FenetreWx::ListeNombre(int id) const {
    const Controle* c = Trouver(id);
    wxListBox* l = c ? CommeListe(c->modele, c->fenetre) : nullptr;
    return l ? static_cast<int>(l->GetCount()) : 0;
}

std::string FenetreWx::ListeLigne(int id, int index) const {
    const Controle* c = Trouver(id);
    wxListBox* l = c ? CommeListe(c->modele, c->fenetre) : nullptr;
    if (!l || index < 0 || index >= static_cast<int>(l->GetCount())) return std::string();
    return DepuisWx(l->GetString(static_cast<unsigned>(index)));
}

int FenetreWx::ListeSelection(int id) const {
    const Controle* c = Trouver(id);
    wxListBox* l = c ? CommeListe(c->modele, c->fenetre) : nullptr;
    return l ? l->GetSelection() : -1;
}

void FenetreWx::ListeSelectionner(int id, int index) {
    const Controle* c = Trouver(id);
    wxListBox* l = c ? CommeListe(c->modele, c->fenetre) : nullptr;
    if (!l) return;
    if (index >= 0 && index < static_cast<int>(l->GetCount())) {
        l->SetSelection(index);
        l->EnsureVisible(index);
    } else {
        l->SetSelection(wxNOT_FOUND);
    }
}

int FenetreWx::DebutSelection(int id) const {
    const Controle* c = Trouver(id);
    if (!c || c->modele->type != TypeControle::Edition) return -1;
    auto* edition = static_cast<wxTextCtrl*>(c->fenetre);
    long debut = 0, fin = 0;
    edition->GetSelection(&debut, &fin);
    if (!EstMultiligne(*c->modele)) return static_cast<int>(debut);
    // The toolkit counts a line end as one character; the program's text has CR LF.
    const wxString valeur = edition->GetValue();
    long position = debut;
    for (long i = 0; i < debut && i < static_cast<long>(valeur.length()); ++i)
        if (valeur[static_cast<size_t>(i)] == '\n') ++position;
    return static_cast<int>(position);
}

std::string FenetreWx::Titre() const { return DepuisWx(dialog_->GetTitle()); }

void FenetreWx::DefinirTitre(const std::string& titre) { dialog_->SetTitle(VersWx(titre)); }

void FenetreWx::PremierPlan(bool auDessus) {
    const long style = dialog_->GetWindowStyleFlag();
    dialog_->SetWindowStyleFlag(auDessus ? (style | wxSTAY_ON_TOP) : (style & ~wxSTAY_ON_TOP));
}

bool FenetreWx::EstAuPremierPlan() const { return (dialog_->GetWindowStyleFlag() & wxSTAY_ON_TOP) != 0; }
