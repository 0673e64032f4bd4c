// The clipboard through Qt's system clipboard: text, registered formats and their MIME types, batches of formats, and bitmaps.
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Picture.h"
#include "support/ExceptionMessage.h"
#include "windows/Clipbrd.h"
#include "windows/WinApi.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>

namespace {

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { System->clear(); }

    QStringList SystemFormats() const { return System->mimeData()->formats(); }

    QClipboard* System = QGuiApplication::clipboard();
    const UINT Cells = RegisterClipboardFormat(QStringLiteral("TExtStringGrid Cells"));
    const UINT RichText = RegisterClipboardFormat(QStringLiteral("Rich Text Format"));
    const UINT Html = RegisterClipboardFormat(QStringLiteral("HTML Format"));
};

TEST_F(ClipboardTest, TextGoesToTheSystemClipboardAndBack)
{
    const QString Text = QStringLiteral("Grüße\tzwei\r\nZeilen");
    Clipboard()->SetAsText(Text);
    EXPECT_EQ(System->text(), Text);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
    System->setText(QStringLiteral("from another program"));
    EXPECT_EQ(Clipboard()->AsText(), "from another program");
}

TEST_F(ClipboardTest, TextBlocksEndWithAZero)
{
    Clipboard()->SetAsText(QStringLiteral("Grüße"));
    EXPECT_EQ(Clipboard()->GetFormatData(CF_TEXT), QByteArray("Gr\xFC\xDF" "e", 6));
    EXPECT_EQ(Clipboard()->GetFormatData(CF_UNICODETEXT), QByteArray("G\0r\0\xFC\0\xDF\0e\0\0\0", 12));
    Clipboard()->SetFormatData(CF_TEXT, QByteArray("caf\xE9\0tail", 9));
    EXPECT_EQ(Clipboard()->AsText(), "café");
}

TEST_F(ClipboardTest, WithoutTextTheTextIsEmpty)
{
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->AsText(), "");
    EXPECT_TRUE(Clipboard()->GetFormatData(CF_TEXT).isNull());
}

TEST_F(ClipboardTest, RegisteredFormatsShareTheWindowMessageNumbers)
{
    EXPECT_GE(Cells, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat(QStringLiteral("textstringgrid cells")), Cells);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("TExtStringGrid Cells")), Cells);
    EXPECT_NE(RegisterClipboardFormat(QStringLiteral("Grid Column")), Cells);
    EXPECT_EQ(GetClipboardFormatName(Cells), "TExtStringGrid Cells");
    EXPECT_EQ(GetClipboardFormatName(CF_TEXT), "");
    EXPECT_EQ(RegisterClipboardFormat(QString()), 0u);
}

struct TMimeCase {
    QString Name;
    QString MimeType;
};

TEST_F(ClipboardTest, RegisteredFormatsTravelAsMimeTypesWithTheirBytes)
{
    const QByteArray Bytes("\x01\x00\xFFstream", 9);
    const TMimeCase Cases[] = {
        {"TExtStringGrid Cells", "application/x-kt20418-TExtStringGrid%20Cells"},
        {"Rich Text Format", "text/rtf"},
        {"HTML Format", "text/html"},
    };
    for (const TMimeCase& Case : Cases) {
        SCOPED_TRACE(Case.Name.toStdString());
        const UINT Format = RegisterClipboardFormat(Case.Name);
        Clipboard()->SetFormatData(Format, Bytes);
        EXPECT_EQ(SystemFormats(), QStringList{Case.MimeType});
        EXPECT_EQ(System->mimeData()->data(Case.MimeType), Bytes);
        EXPECT_TRUE(Clipboard()->HasFormat(Format));
        EXPECT_EQ(Clipboard()->GetFormatData(Format), Bytes);
    }
}

TEST_F(ClipboardTest, AnotherProgramsDataIsReadUnderItsFormat)
{
    auto* Mime = new QMimeData;
    Mime->setData(QStringLiteral("text/html"), "Version:1.0\r\n<b>x</b>");
    Mime->setData(QStringLiteral("application/x-kt20418-Grid%20Column"), "col");
    System->setMimeData(Mime);
    EXPECT_EQ(Clipboard()->GetFormatData(Html), "Version:1.0\r\n<b>x</b>");
    EXPECT_EQ(Clipboard()->GetFormatData(RegisterClipboardFormat(QStringLiteral("Grid Column"))), "col");
}

TEST_F(ClipboardTest, AnOpenCloseBatchReachesTheSystemClipboardInOnePiece)
{
    Clipboard()->SetAsText(QStringLiteral("old"));
    QSignalSpy Changes(System, &QClipboard::dataChanged);
    Clipboard()->Open();
    Clipboard()->SetAsText(QStringLiteral("a\tb"));
    Clipboard()->SetFormatData(Cells, "cells");
    Clipboard()->SetFormatData(RichText, "rtf");
    EXPECT_EQ(System->text(), "old");
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    Clipboard()->Close();
    EXPECT_EQ(Changes.count(), 1);
    EXPECT_EQ(SystemFormats(), (QStringList{"text/plain", "application/x-kt20418-TExtStringGrid%20Cells", "text/rtf"}));
    EXPECT_EQ(System->text(), "a\tb");
}

TEST_F(ClipboardTest, AFormatSetAloneReplacesTheContent)
{
    Clipboard()->SetFormatData(Cells, "cells");
    Clipboard()->SetAsText(QStringLiteral("text"));
    EXPECT_FALSE(Clipboard()->HasFormat(Cells));
    EXPECT_EQ(Clipboard()->FormatCount(), 2);
}

TEST_F(ClipboardTest, SetClipboardDataAddsToWhatIsThere)
{
    Clipboard()->SetAsText(QStringLiteral("text"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(SetClipboardData(RichText, "rtf"));
    EXPECT_FALSE(SetClipboardData(CF_BITMAP, "bits"));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(Clipboard()->AsText(), "text");
    EXPECT_EQ(Clipboard()->GetFormatData(RichText), "rtf");
}

TEST_F(ClipboardTest, TheClipboardIsOpenForOneWindowAtATime)
{
    int Owner = 0;
    const HWND Window = reinterpret_cast<HWND>(&Owner);
    ASSERT_TRUE(OpenClipboard(Window));
    EXPECT_TRUE(OpenClipboard(Window));
    EXPECT_FALSE(OpenClipboard(nullptr));
    EXPECT_EQ(MessageOf<Exception>([] { Clipboard()->Open(); }), "Cannot open clipboard");
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(CloseClipboard());
    EXPECT_FALSE(SetClipboardData(Cells, "closed"));
    EXPECT_TRUE(GetClipboardData(CF_TEXT).isNull());
}

TEST_F(ClipboardTest, FormatsListTheFormatsHeldInOrder)
{
    Clipboard()->Open();
    Clipboard()->SetAsText(QStringLiteral("text"));
    Clipboard()->SetFormatData(Cells, "cells");
    Clipboard()->Close();
    ASSERT_EQ(Clipboard()->FormatCount(), 3);
    EXPECT_EQ(Clipboard()->Formats(0), CF_UNICODETEXT);
    EXPECT_EQ(Clipboard()->Formats(1), CF_TEXT);
    EXPECT_EQ(Clipboard()->Formats(2), Cells);
    EXPECT_EQ(Clipboard()->Formats(3), 0u);
    Clipboard()->Clear();
    EXPECT_EQ(Clipboard()->FormatCount(), 0);
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
}

TEST_F(ClipboardTest, ABitmapGoesToTheClipboardAndBack)
{
    TBitmap Source;
    Source.SetSize(3, 2);
    Source.Canvas()->SetPixels(0, 0, clRed);
    Source.Canvas()->SetPixels(2, 1, clBlue);
    Clipboard()->Assign(&Source);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_DIB));
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(System->mimeData()->hasImage());

    TBitmap Copy;
    Copy.Assign(Clipboard());
    ASSERT_EQ(Copy.Width(), 3);
    ASSERT_EQ(Copy.Height(), 2);
    EXPECT_EQ(Copy.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(Copy.Canvas()->Pixels(2, 1), clBlue);
    EXPECT_EQ(Copy.Canvas()->Pixels(1, 1), clWhite);

    TPicture Picture;
    Picture.Assign(Clipboard());
    ASSERT_NE(dynamic_cast<TBitmap*>(Picture.Graphic()), nullptr);
    EXPECT_EQ(Picture.Width(), 3);
}

TEST_F(ClipboardTest, AFormatAddedBesideABitmapKeepsIt)
{
    TBitmap Source;
    Source.SetSize(2, 2);
    Clipboard()->Assign(&Source);
    ASSERT_TRUE(OpenClipboard(nullptr));
    SetClipboardData(RichText, "rtf");
    CloseClipboard();
    EXPECT_TRUE(Clipboard()->HasFormat(RichText));
    TBitmap Copy;
    Copy.Assign(Clipboard());
    EXPECT_EQ(Copy.Width(), 2);
}

TEST_F(ClipboardTest, APictureGoesToTheClipboardAsABitmap)
{
    TPicture Picture;
    Picture.Bitmap()->SetSize(4, 4);
    Clipboard()->Assign(&Picture);
    TBitmap Copy;
    Copy.Assign(Clipboard());
    EXPECT_EQ(Copy.Width(), 4);
}

TEST_F(ClipboardTest, ReadingABitmapFromAClipboardWithoutOneFails)
{
    Clipboard()->SetAsText(QStringLiteral("text"));
    TBitmap Copy;
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { Copy.Assign(Clipboard()); }), "Unsupported clipboard format");
}

}  // namespace
