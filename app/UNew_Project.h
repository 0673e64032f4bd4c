// New-configuration window: TFNew_Project, which makes a configuration folder in PROJECTS and opens it.
#pragma once

#include "windows/Forms.h"

#include <QChar>
#include <QString>

class TEdit;
class TLabel;
class TLbButton;
class TPanel;

class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(TComponent* AOwner);

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();

    // Handlers.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // Creates the folder named by E_New_Proj with its bin folder, opens it and closes with OK; an
    // error box (105, 106, 107) keeps the window open otherwise.
    void Btn_OKClick(TObject* Sender);
    // Enter confirms the name.
    void E_New_ProjKeyPress(TObject* Sender, QChar& Key);

    // Controls (owned by the window).
    TLabel* Label1;
    TEdit* E_New_Proj;
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;
};

extern TFNew_Project* FNew_Project;
