// Options window: TFSoftOptions, the language pages with their flags, the internet and table options, the version check.
#pragma once

#include "windows/ExtCtrls.h"
#include "windows/Forms.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class TCheckBox;
class TLabel;
class TLbButton;
class TPageControl;
class TStringList;
class TTabSheet;

class TFSoftOptions : public TForm {
public:
    // Languages shown on one page.
    static constexpr int32_t Slots_Per_Page = 6;

    explicit TFSoftOptions(TComponent* AOwner);
    ~TFSoftOptions() override;

    // Takes every caption of the window from the language table.
    void Set_Lang();
    // Rebuilds SL_Languages from the language files in Path_Language and shows page 1.
    void Create_Lang_List();
    // Fills the six slots of page Page (1-based) and makes it the page shown.
    void Update_Lang_Page(int32_t Page);
    // Enables CB_Update and Btn_Check_Update as CB_En_Con and CB_Update allow.
    void Update_CheckBox();
    // True when the maker's server reports a version newer than this one (asked through the main
    // window's HTTP client).
    bool Check_Version();
    // Pages of languages: six to a page, the last one possibly shorter.
    int32_t Page_Count() const;

    // Window events and the handlers of its controls.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // Handler of Btn_Prev and Btn_Next.
    void Btn_NextClick(TObject* Sender);
    // Handler of the twelve slot controls.
    void LangClick(TObject* Sender);
    // Handler of the four check boxes.
    void CB_En_ConClick(TObject* Sender);
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const QString& Link, TSysLinkType LinkType);
    void Btn_OKClick(TObject* Sender);
    void Btn_Advance_FunctionsClick(TObject* Sender);

    // The controls, owned by the window.
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPageControl* PC_Options;
    TTabSheet* TS_Language;
    TLabel* L_Sel_Lang;
    TLabel* L_Page_Lang;
    // Slot i (from 0) of a page: the flag I_L[i] above the language name L_L[i].
    std::array<TImage*, Slots_Per_Page> I_L;
    std::array<TLabel*, Slots_Per_Page> L_L;
    TLbButton* Btn_Prev;
    TLbButton* Btn_Next;
    TTabSheet* TS_Con_Options;
    TCheckBox* CB_En_Con;
    TCheckBox* CB_Update;
    TLbButton* Btn_Check_Update;
    TLinkLabel* LL_Check_Update;
    TTabSheet* TS_Soft_Settings;
    TCheckBox* CB_Soft_Set_Jump_Table;
    TCheckBox* CB_DoubleClick_Auto_Size;
    TTabSheet* TS_AdvanceFunctions;
    TLbButton* Btn_Advance_Functions;
    TPanel* P_Button;
    TLbButton* Btn_OK;
    TLbButton* Btn_Cancel;

    // The page of slots shown (from 1).
    int32_t Show_Page = 1;
    // The file names (with extension) of the languages offered, sorted.
    std::unique_ptr<TStringList> SL_Languages;
    // The language shown as selected.
    QString Language_In_Use;
    // The last check of Btn_Check_Update found a newer version: LL_Check_Update holds the link.
    bool Update_Available = false;

private:
    // L_Sel_Lang and L_Page_Lang for the page shown.
    void Show_Page_Texts();
    // The caption of LL_Check_Update for Update_Available.
    void Show_Update_Text();
    // Shows the flag of Language in Image: Language.bmp, else DefaultFlag.bmp, else none (hidden).
    void Show_Flag(TImage* Image, const QString& Language);
    // The language of list entry Index: the file name without its extension.
    QString Language_Name(int32_t Index) const;
};

extern TFSoftOptions* FSoftOptions;
