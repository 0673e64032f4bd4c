// Open-configuration window: TFOpenConf, the list of configuration folders in PROJECTS to choose from.
#pragma once

#include "windows/Forms.h"

#include <QString>

#include <cstdint>
#include <memory>

class TLabel;
class TLbButton;
class TListBox;
class TPanel;
class TStringList;

class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(TComponent* AOwner);
    ~TFOpenConf() override;

    // Takes every caption, hint and message of the window from the language table.
    void Set_Lang();
    // Fills SL with the names of the folders in Path_Projects, in the order the file system lists them.
    void Load_Existing_Configuration();
    // The index in SL of Name, compared without regard to case; -1 when it is not there.
    int32_t Search_Open_Conf(const QString& Name) const;

    // Handlers.
    void FormCreate(TObject* Sender);
    // Lists the configurations and selects the open one (else the first).
    void FormShow(TObject* Sender);
    void ListBox1Click(TObject* Sender);

    // Controls (owned by the window).
    TLabel* Label1;
    TListBox* ListBox1;
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // The configuration folders found.
    std::unique_ptr<TStringList> SL;
    // The chosen configuration, set on every show; the main window opens it after OK.
    QString Name_Conf;
};

extern TFOpenConf* FOpenConf;
