// The about box: its fixed texts, the maker's logo from the resources and the link to the product page.
#include "ConfigWindowTest.h"
#include "UAbout.h"

#include "button/LbButton.h"
#include "graphics/Picture.h"
#include "support/Artifacts.h"
#include "support/Render.h"
#include "windows/ExtCtrls.h"

#include <QImage>

#include <memory>

namespace {

class TRecordingUrlOpener : public TUrlOpener {
public:
    bool OpenUrl(const QString& Url) override
    {
        Opened << Url;
        return true;
    }
    QStringList Opened;
};

class AboutTest : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        ReplacedOpener = SetUrlOpener(&Opener);
        Window.reset(New<TFAbout>(nullptr));
    }
    void TearDown() override
    {
        SetUrlOpener(ReplacedOpener);
        ConfigWindowTest::TearDown();
    }

    TRecordingUrlOpener Opener;
    TUrlOpener* ReplacedOpener = nullptr;
    std::unique_ptr<TFAbout> Window;
};

TEST_F(AboutTest, ShowsTheProductsFixedTextsInEveryLanguage)
{
    Lang_Table->SetStrings(100, QStringLiteral("Nuova configurazione"));
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  const std::pair<TLabel*, const char*> Texts[] = {
                      {Window->Label1, "Software Quillan "},
                      {Window->Label2, "EtherNet/IP / PROFIBUS Slave - Converter"},
                      {Window->Label3, "Version :"},
                      {Window->Label10, "1.005"},
                      {Window->Label6, "Software Code : "},
                      {Window->Label9, "KT20418"},
                      {Window->Label8, "Document Code :"},
                      {Window->Label12, "ZL20418"},
                      {Window->Label4, "www.velmora.com"},
                  };
                  for (const auto& [Label, Text] : Texts) EXPECT_EQ(Label->Caption(), QString::fromLatin1(Text));
                  EXPECT_EQ(Window->ClientWidth(), 406);
                  EXPECT_EQ(Window->ClientHeight(), 148);
                  SaveArtifact(RenderControl(Window.get(), true), QStringLiteral("about"));
                  Click_On(Window->LbButton1);
              }),
              mrOk);
}

TEST_F(AboutTest, TheLogoIsOurOwnPictureStretchedOver81Pixels)
{
    ASSERT_EQ(Window->Image2->Picture()->Width(), 81);
    ASSERT_EQ(Window->Image2->Picture()->Height(), 81);
    EXPECT_TRUE(Window->Image2->Stretch());
    Run_Modal(Window.get(), [&] {
        const QImage Logo = RenderControl(Window->Image2);
        ASSERT_EQ(Logo.size(), QSize(81, 81));
        EXPECT_EQ(Logo, QImage(QStringLiteral(":/resources/VelmoraLogo.bmp")).convertToFormat(Logo.format()));
        // The white V, and the window's colour outside the rounded corners.
        EXPECT_EQ(Logo.pixel(40, 50), qRgb(255, 255, 255));
        EXPECT_EQ(Logo.pixel(0, 0), qRgb(248, 247, 237));
    });
}

TEST_F(AboutTest, TheAddressAndTheLogoOpenTheProductPage)
{
    Run_Modal(Window.get(), [&] {
        EXPECT_EQ(Window->Label4->Cursor(), crHandPoint);
        Click_On(Window->Label4);
        Click_On(Window->Image2);
    });
    const QString Page = QStringLiteral("http://www.velmora.com/HOME/default.asp?frompg=KT20418");
    EXPECT_EQ(Opener.Opened, (QStringList{Page, Page}));
    EXPECT_EQ(Product_Page_Url(), Page);
}

}  // namespace
