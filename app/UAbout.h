// About box: TFAbout, the product's identity with fixed English texts, the maker's logo and web address.
#pragma once

#include "windows/Forms.h"

#include <QString>

class TImage;
class TLabel;
class TLbButton;

// The maker's page of this product, opened by the about box and the main window.
QString Product_Page_Url();

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);

    // Handlers.
    void FormShow(TObject* Sender);
    // Opens the product page in the default browser.
    void Label4Click(TObject* Sender);

    // Controls (owned by the window).
    TLbButton* LbButton1;
    TImage* Image2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label6;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Label10;
    TLabel* Label12;
};

extern TFAbout* FAbout;
