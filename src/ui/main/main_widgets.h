#pragma once
// The controls of the main window, built once, each carrying its name as its objectName.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "ui/kit/key_hook.h"

class QMainWindow;

namespace orv {

struct MainMenus {
    QMenu* Mnu_Fichier = nullptr;
    QAction* Mnu_ADIF = nullptr;
    QAction* Mnu_Quitter = nullptr;
    QMenu* Mnu_Date = nullptr;
    QAction* Mnu_Date_Auto = nullptr;
    QAction* Mnu_Date_Man = nullptr;
    QAction* Mnu_New_Indicatif = nullptr;
    QMenu* Mnu_Liste = nullptr;
    QAction* Mnu_L_Contacte = nullptr;
    QAction* Mnu_A_Contacter = nullptr;
    QMenu* Mnu_Carte = nullptr;
    QAction* Mnu_Carte_Acti_PC = nullptr;
    QMenu* Mnu_Outils = nullptr;
    QAction* Mnu_Maj_PC = nullptr;
    QAction* Mnu_Maj_Nom_PC = nullptr;
    QAction* Mnu_Adresses = nullptr;
    QAction* Mnu_Score = nullptr;
    QAction* Mnu_Diplomes = nullptr;
    QAction* Mnu_Non_Recue = nullptr;
    QAction* Mnu_Cluster = nullptr;
    QAction* Mnu_Reglement = nullptr;
    QMenu* Mnu_Aide = nullptr;
    QAction* Mnu_Apropos = nullptr;
    QAction* Mnu_Historique = nullptr;
};

struct MainWidgets {
    QLabel* I_Station = nullptr;
    QLabel* Label37 = nullptr;  // UTC clock
    QLabel* Label34 = nullptr;  // local clock
    QLabel* Label33 = nullptr;  // UTC date
    QLabel* Mode_Aff = nullptr;

    EntryComboBox* Bande_A = nullptr;
    EntryLineEdit* Ind_A = nullptr;
    EntryLineEdit* Prenom_A = nullptr;
    EntryLineEdit* Ref_A = nullptr;
    EntryLineEdit* Dpt_A = nullptr;
    EntryLineEdit* Date_A = nullptr;
    EntryLineEdit* Heure_A = nullptr;
    EntryComboBox* Mode_A = nullptr;
    EntryLineEdit* RST_A = nullptr;
    EntryLineEdit* RSTE_A = nullptr;
    EntryLineEdit* Rem_A = nullptr;
    EntryCheckBox* QSL_A = nullptr;

    QPushButton* Valide_A = nullptr;
    QPushButton* Efface_A = nullptr;
    QPushButton* Annule_Saisie = nullptr;
    QPushButton* Ajout_QSO = nullptr;
    QPushButton* Rechercher = nullptr;
    QPushButton* Detail_Ref = nullptr;

    QLabel* Label_Liste_PC = nullptr;
    LogListView* Liste_PC = nullptr;
    QTimer* Timer1 = nullptr;

    MainMenus menus;
};

// Builds every control of the main window in its design state.
MainWidgets buildMainWidgets(QMainWindow& window);

}  // namespace orv
