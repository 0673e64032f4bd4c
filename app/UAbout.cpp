// About box: TFAbout.
#include "UAbout.h"

#include "UComon.h"
#include "UDialogParts.h"
#include "UVersionCheck.h"
#include "UWindowLook.h"

#include "button/LbButton.h"
#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Picture.h"
#include "os/Services.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

#include <functional>

TFAbout* FAbout = nullptr;

namespace {

constexpr int32_t Client_Width = 406;
constexpr int32_t Client_Height = 148;
constexpr int32_t Logo_Size = 81;
// The columns of the texts: names, and the values beside them.
constexpr int32_t Text_Left = 108;
constexpr int32_t Value_Left = 214;

}  // namespace

QString Product_Page_Url()
{
    return MakerWebServer().HttpUrl(QStringLiteral("/HOME/default.asp?frompg=") + Def_SW_Code);
}

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner)
{
    Apply_Window_Look(this);
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetCaption(QStringLiteral("About"));

    LbButton1 = New_Dialog_Button(this, this, bkOK, Client_Width - 8 - Dialog_Button_Width,
                                  Client_Height - 8 - Dialog_Button_Height);
    LbButton1->SetModalResult(mrOk);
    Image2 = New_Control<TImage>(this, this, 12, 12, Logo_Size, Logo_Size);
    Image2->SetStretch(true);
    Image2->Picture()->Bitmap()->LoadFromResourceName(0, QStringLiteral("VelmoraLogo"));
    Label1 = New_Label(this, this, Text_Left, 12, QStringLiteral("Software Quillan "));
    Label1->Font()->SetStyle({fsBold});
    Label2 = New_Label(this, this, Text_Left, 28);
    Label3 = New_Label(this, this, Text_Left, 52, QStringLiteral("Version :"));
    Label4 = New_Label(this, this, Text_Left, 121, MakerWebServer().Host);
    Label4->Font()->SetColor(clBlue);
    Label4->Font()->SetStyle({fsUnderline});
    Label4->SetCursor(crHandPoint);
    Label6 = New_Label(this, this, Text_Left, 68, QStringLiteral("Software Code : "));
    Label8 = New_Label(this, this, Text_Left, 84, QStringLiteral("Document Code :"));
    Label9 = New_Label(this, this, Value_Left, 68);
    Label10 = New_Label(this, this, Value_Left, 52);
    Label12 = New_Label(this, this, Value_Left, 84);

    OnShow = std::bind_front(&TFAbout::FormShow, this);
    Label4->OnClick = std::bind_front(&TFAbout::Label4Click, this);
    Image2->OnClick = std::bind_front(&TFAbout::Label4Click, this);
}

void TFAbout::FormShow(TObject*)
{
    Label2->SetCaption(Def_SW_Description);
    Label10->SetCaption(SW_Version);
    Label9->SetCaption(Def_SW_Code);
    Label12->SetCaption(QStringLiteral("ZL20418"));
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
}

void TFAbout::Label4Click(TObject*)
{
    OpenUrl(Product_Page_Url());
}
