// A sheet of every button style in every state and of the layouts, rendered and saved for people to look at.
#include "ButtonTestSupport.h"

#include "button/LbButton.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/Render.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <functional>
#include <vector>

using namespace ButtonTest;

namespace {

struct TRow {
    const char* Label;
    std::function<void(TLbButton*)> Setup;
};

struct TState {
    const char* Label;
    // Brings the button into the state, and back out of it after the picture.
    std::function<void(TLbButton*)> Enter;
    std::function<void(TLbButton*)> Leave;
};

constexpr int32_t LabelWidth = 110;
constexpr int32_t CellWidth = 112;
constexpr int32_t RowHeight = 31;
constexpr int32_t Margin = 8;

TEST(LbButtonSheetTest, EveryStyleInEveryState)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(LabelWidth + 5 * CellWidth + 2 * Margin);
    Form->SetClientHeight(600);
    Form->SetColor(RGB(248, 247, 237));
    UseDialogFont(Form->Font());
    auto* Rest = New<TLbButton>(Form.get());
    Rest->SetBoundsRect(Bounds(0, 560, 10, 10));
    Rest->SetParent(Form.get());
    Form->Show();
    const TPoint Away{Form->ClientWidth() - 5, 590};

    const std::vector<TRow> Rows = {
        {"bsNormal", [](TLbButton* B) { B->SetKind(bkOK); B->SetHotTrackColor(clSkyBlue); }},
        {"bsEncarta", [](TLbButton* B) {
             B->SetKind(bkCancel);
             B->SetColor(Face);
             B->SetColorWhenDown(WhenDown);
             B->SetHotTrackColor(clYellow);
             B->SetLightColor(clGray);
             B->SetStyle(bsEncarta);
         }},
        {"bsModern gold", [](TLbButton* B) { B->SetKind(bkYes); B->SetColorStyle(lcsGold); }},
        {"bsModern aqua", [](TLbButton* B) { B->SetKind(bkNo); B->SetColorStyle(lcsAqua); }},
        {"bsModern chrome", [](TLbButton* B) { B->SetKind(bkAll); B->SetColorStyle(lcsChrome); }},
        {"bsOld", [](TLbButton* B) { B->SetKind(bkAbort); B->SetStyle(bsOld); B->SetHotTrackColor(0xE0E0E0); }},
        {"bsShape", [](TLbButton* B) { B->SetKind(bkHelp); B->SetStyle(bsShape); }},
        {"bsQuicken", [](TLbButton* B) { B->SetKind(bkRetry); B->SetColorStyle(lcsQuicken); }},
        {"flat UltraFlat1", [](TLbButton* B) { B->SetKind(bkIgnore); B->SetColorStyle(lcsUltraFlat1); }},
        {"flat UltraFlatXP", [](TLbButton* B) { B->SetKind(bkClose); B->SetColorStyle(lcsUltraFlatXP); }},
        {"flat UltraFlat2", [](TLbButton* B) { B->SetKind(bkOK); B->SetColorStyle(lcsUltraFlat2); }},
    };
    const auto Centre = [](TLbButton* B) { return TPoint{B->Width() / 2, B->Height() / 2}; };
    const auto Nothing = [](TLbButton*) {};
    const std::vector<TState> States = {
        {"up", Nothing, Nothing},
        {"hot", [&](TLbButton* B) { Input::MoveMouse(B, Centre(B)); },
         [&](TLbButton*) { Input::MoveMouse(Form.get(), Away); }},
        {"down", [&](TLbButton* B) { Input::MouseDown(B, Centre(B)); },
         [&](TLbButton* B) {
             Input::MouseUp(B, Centre(B));
             Input::MoveMouse(Form.get(), Away);
             Rest->SetFocus();
         }},
        {"disabled", [](TLbButton* B) { B->SetEnabled(false); }, Nothing},
        {"focused", [](TLbButton* B) { B->SetFocus(); }, [&](TLbButton*) { Rest->SetFocus(); }},
    };

    const int32_t LayoutTop = Margin + RowHeight * static_cast<int32_t>(Rows.size() + 1) + Margin;
    QImage Sheet(Form->ClientWidth(), LayoutTop + RowHeight + 60, QImage::Format_RGB32);
    Sheet.fill(Rgb(Form->Color()));
    QPainter Painter(&Sheet);
    Painter.setPen(Qt::black);
    const auto Label = [&](int32_t X, int32_t Y, const char* Text) {
        const QRect Area(X, Y, CellWidth, RowHeight);
        Painter.drawText(Area, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(Text));
    };
    for (size_t Column = 0; Column < States.size(); ++Column)
        Label(Margin + LabelWidth + static_cast<int32_t>(Column) * CellWidth, Margin, States[Column].Label);

    for (size_t Row = 0; Row < Rows.size(); ++Row) {
        const int32_t Top = Margin + RowHeight * static_cast<int32_t>(Row + 1);
        Label(Margin, Top, Rows[Row].Label);
        for (size_t Column = 0; Column < States.size(); ++Column) {
            auto* Button = New<TLbButton>(Form.get());
            Button->SetBounds(Margin + LabelWidth + static_cast<int32_t>(Column) * CellWidth, Top + 4, 100, 23);
            Button->SetParent(Form.get());
            Rows[Row].Setup(Button);
            States[Column].Enter(Button);
            Painter.drawImage(Button->Left(), Button->Top(), RenderControl(Button));
            States[Column].Leave(Button);
            Button->SetVisible(false);
        }
    }

    // The glyph beside, after, above and below the caption, and a wrapped caption.
    Label(Margin, LayoutTop + 14, "layouts");
    const TLbButtonLayout Layouts[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom, blGlyphLeft};
    for (int32_t Column = 0; Column < 5; ++Column) {
        auto* Button = New<TLbButton>(Form.get());
        Button->SetBounds(Margin + LabelWidth + Column * CellWidth, LayoutTop, 100, 50);
        Button->SetParent(Form.get());
        Button->SetKind(bkOK);
        Button->SetLayout(Layouts[Column]);
        if (Column == 4) {
            Button->SetCaption(QStringLiteral("Update the Device"));
            Button->SetWordWrap(true);
        }
        Painter.drawImage(Button->Left(), Button->Top(), RenderControl(Button));
    }
    Painter.end();
    SaveArtifact(Sheet, QStringLiteral("lbbutton-sheet"));

    // The sheet shows what the states mean: the hot, pressed and disabled faces of the configurator's look.
    const int32_t EncartaTop = Margin + 2 * RowHeight + 4;
    const auto FaceAt = [&](int32_t Column) {
        return ColorAt(Sheet, Margin + LabelWidth + Column * CellWidth + 2, EncartaTop + 11);
    };
    EXPECT_EQ(FaceAt(0), ColorText(Face));
    EXPECT_EQ(FaceAt(1), ColorText(clYellow));
    EXPECT_EQ(FaceAt(2), ColorText(WhenDown));
    EXPECT_EQ(FaceAt(3), ColorText(Face));
}

}  // namespace
