// TExtStringGrid: the quick configuration panel shown in design state at the client's bottom right.
#include "grid/core/ExtGrid.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"
#include "windows/Menus.h"

namespace {

constexpr int32_t PanelWidth = 150;
const QString AllowEditText = QStringLiteral("Allow edit");
const QString ColumnNumbersText = QStringLiteral("Column numbers");
const QString SetLookText = QStringLiteral("Set look: ");

// The canvas font for the panel, and the font it had back when done.
class TPanelFont {
public:
    explicit TPanelFont(TCanvas* ACanvas) : FCanvas(ACanvas)
    {
        FSaved.Assign(ACanvas->Font());
        ACanvas->Font()->SetName(QStringLiteral("Tahoma"));
        ACanvas->Font()->SetSize(8);
        ACanvas->Font()->SetStyle({});
    }
    ~TPanelFont() { FCanvas->Font()->Assign(&FSaved); }
    TPanelFont(const TPanelFont&) = delete;
    TPanelFont& operator=(const TPanelFont&) = delete;

private:
    TCanvas* FCanvas;
    TFont FSaved;
};

}  // namespace

void TExtStringGrid::PaintDesignHelper()
{
    if (!Designing() || !FShowDesignHelper) return;
    TCanvas* C = Canvas();
    TPanelFont Font(C);
    const TRect Client = ClientRect();
    const int32_t h = C->TextHeight(QStringLiteral("gh"));
    const TRect R = Rect(Client.Right - PanelWidth, Client.Bottom - 4 * h - 18, Client.Right, Client.Bottom);

    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clInfoBk);
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(0x808080);
    C->Rectangle(R.Left, R.Top, R.Right, R.Bottom);

    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(0x800000);
    const auto Item = [&](int32_t Number, int32_t X, int32_t Y, const QString& Text) {
        C->Font()->SetStyle(FLastDesignChoice == Number ? TFontStyles{fsUnderline} : TFontStyles{});
        C->TextOut(X, Y, Text);
    };
    Item(0, R.Left + 4, R.Top + 4, QStringLiteral("Quick config [v") + GetVersionString() + QStringLiteral("]"));

    TBitmap Close;
    Close.LoadFromResourceName(0, QStringLiteral("ESGCLOSE"));
    Close.SetTransparent(true);
    C->Draw(R.Right - 16, R.Top + 2, &Close);

    DrawCheckBox(Rect(R.Left + 4, R.Top + h + 4, R.Left + 20, R.Top + h + 20), Options().Contains(goEditing),
                 cbUnchecked, false, csWinXP, false, true);
    C->Brush()->SetStyle(bsClear);
    Item(1, R.Left + 22, R.Top + h + 6, AllowEditText);
    DrawCheckBox(Rect(R.Left + 4, R.Top + 2 * h + 6, R.Left + 20, R.Top + 2 * h + 22), FShowColNrs, cbUnchecked, false,
                 csWinXP, false, true);
    C->Brush()->SetStyle(bsClear);
    Item(2, R.Left + 22, R.Top + 2 * h + 8, ColumnNumbersText);
    Item(3, R.Left + 4, R.Top + 3 * h + 10, SetLookText + LookDisplayName(FLook));
    C->Brush()->SetStyle(bsSolid);
}

int32_t TExtStringGrid::DesignHelperHitTest(int32_t X, int32_t Y)
{
    TCanvas* C = Canvas();
    TPanelFont Font(C);
    const TRect Client = ClientRect();
    const int32_t h = C->TextHeight(QStringLiteral("gh"));
    const int32_t l = h + 2;
    const int32_t B = Client.Bottom - (4 * h + 18);
    const int32_t Left = Client.Right - PanelWidth;
    int32_t Result = -1;
    if (X > Client.Right - 16 && Y > B && Y < B + 16) Result = 4;
    if (X > Left && X < Client.Right - 132 + C->TextWidth(AllowEditText) && Y > B + l + 4 && Y < B + 2 * l + 4)
        Result = 1;
    if (X > Left && X < Client.Right - 132 + C->TextWidth(ColumnNumbersText) && Y > B + 2 * l + 4 &&
        Y < B + 3 * l + 4)
        Result = 2;
    if (X > Left && X < Left + C->TextWidth(SetLookText + LookDisplayName(FLook)) && Y > B + 3 * l + 4 &&
        Y < B + 4 * l + 4)
        Result = 3;
    return Result;
}

void TExtStringGrid::CMDesignHitTest(TMessage& Message)
{
    if (!Designing() || !FShowDesignHelper) return;
    const TPoint P = LParamToPoint(Message.LParam);
    const int32_t Choice = DesignHelperHitTest(P.X, P.Y);
    if (Choice != FLastDesignChoice && HandleAllocated()) {
        const TRect Client = ClientRect();
        const TRect Area = Rect(Client.Right - PanelWidth, Client.Bottom - 70, Client.Right, Client.Bottom);
        ::InvalidateRect(Handle(), &Area, false);
    }
    FLastDesignChoice = Choice;
    if (Choice >= 1 && Choice <= 4) Message.Result = 1;
}

bool TExtStringGrid::DesignHelperMouseDown(TMessage& Message)
{
    if (!Designing() || !FShowDesignHelper) return false;
    const TPoint P = LParamToPoint(Message.LParam);
    if (DesignHelperHitTest(P.X, P.Y) == -1) return false;
    DesignHelperClick(P.X, P.Y);
    Message.Result = 0;
    return true;
}

void TExtStringGrid::DesignHelperClick(int32_t X, int32_t Y)
{
    const int32_t Choice = DesignHelperHitTest(X, Y);
    switch (Choice) {
    case 1: {
        TGridOptions Opts = Options();
        if (Opts.Contains(goEditing)) Opts.Exclude(goEditing);
        else Opts.Include(goEditing);
        SetOptions(Opts);
        break;
    }
    case 2:
        FShowColNrs = !FShowColNrs;
        Invalidate();
        break;
    case 3: {
        static const struct {
            const char* Text;
            TGridLook Look;
        } Entries[] = {{"Standard", glStandard}, {"Soft", glSoft},         {"Classic", glClassic},
                       {"Vyx", glVyx},           {"ListView", glListView}, {"Office 2007", glOffice2007},
                       {"Windows XP", glXP},     {"Windows Vista", glVista}, {"Windows 7", glWin7}};
        HMENU Menu = CreatePopupMenu();
        for (const auto& Entry : Entries)
            AppendMenu(Menu, MF_STRING | (Entry.Look == FLook ? MF_CHECKED : MF_UNCHECKED),
                       static_cast<UINT_PTR>(Entry.Look) + 1, QString::fromLatin1(Entry.Text));
        const TPoint At = ClientToScreen(Point(X, Y));
        const int32_t Chosen = TrackPopupMenu(Menu, TPM_LEFTALIGN | TPM_RETURNCMD, At.X, At.Y, 0, Handle(), nullptr);
        DestroyMenu(Menu);
        if (Chosen >= glStandard + 1 && Chosen <= glOffice2007 + 1) SetLook(static_cast<TGridLook>(Chosen - 1));
        break;
    }
    case 4:
        SetShowDesignHelper(false);
        break;
    default:
        break;
    }
    if (Choice >= 1 && Choice <= 3) {
        // The form is sized by one pixel and back, so that whatever watches its size sees the change.
        if (TCustomForm* Form = GetParentForm(this)) {
            Form->SetWidth(Form->Width() - 1);
            Form->SetWidth(Form->Width() + 1);
        }
    }
}
