// The per-cell hooks: each computes the grid's answer, then its event sees it in the event type's
// argument order; the notification hooks and the change notifiers.
#include "ExtGridTestSupport.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"

#include "graphics/GraphicsObjects.h"

#include <functional>
#include <utility>

namespace {

using TPair = std::pair<int32_t, int32_t>;

// Each row assigns one event, runs the hook for column 2, row 7 and gives back the first two
// numbers the event received, in the order it received them.
struct TOrderCase {
    const char* Hook;
    std::function<TPair(TExtStringGrid*)> Run;
    TPair Expected;
};

constexpr TPair RowCol{7, 2};
constexpr TPair ColRow{2, 7};

TEST_F(ExtGridFixture, EventsGetTheirTypesArgumentOrder)
{
    Grid->SetRowCount(10);
    TFont Font;
    TBrush Brush;
    TPen Pen;
    // Handlers stay assigned after their case, so what they write outlives the cases.
    TPair P;
    const TOrderCase Cases[] = {
        {"GetCellHint/OnGridHint",
         [&P](auto* G) {
             P = {};
             G->OnGridHint = [&](TObject*, int32_t A, int32_t B, QString&) { P = {A, B}; };
             QString H, W;
             G->GetCellHint(2, 7, H, W);
             return P;
         },
         RowCol},
        {"GetCellHint/OnGridWideHint",
         [&P](auto* G) {
             P = {};
             G->OnGridWideHint = [&](TObject*, int32_t A, int32_t B, QString&) { P = {A, B}; };
             QString H, W;
             G->GetCellHint(2, 7, H, W);
             return P;
         },
         RowCol},
        {"GetCellColor",
         [&](auto* G) {
             P = {};
             G->OnGetCellColor = [&](TObject*, int32_t A, int32_t B, TGridDrawState, TBrush*, TFont*) { P = {A, B}; };
             G->GetCellColor(2, 7, {}, &Brush, &Font);
             return P;
         },
         RowCol},
        {"GetCellPrintColor",
         [&](auto* G) {
             P = {};
             G->OnGetCellPrintColor = [&](TObject*, int32_t A, int32_t B, TGridDrawState, TBrush*, TFont*) {
                 P = {A, B};
             };
             G->GetCellPrintColor(2, 7, {}, &Brush, &Font);
             return P;
         },
         RowCol},
        {"GetCellBorder",
         [&](auto* G) {
             P = {};
             G->OnGetCellBorder = [&](TObject*, int32_t A, int32_t B, TPen*, TCellBorders&) { P = {A, B}; };
             TCellBorders Borders;
             G->GetCellBorder(2, 7, &Pen, Borders);
             return P;
         },
         RowCol},
        {"GetCellPrintBorder",
         [&](auto* G) {
             P = {};
             G->OnGetCellPrintBorder = [&](TObject*, int32_t A, int32_t B, TPen*, TCellBorders&) { P = {A, B}; };
             TCellBorders Borders;
             G->GetCellPrintBorder(2, 7, &Pen, Borders);
             return P;
         },
         RowCol},
        {"GetAlignment",
         [&P](auto* G) {
             P = {};
             G->OnGetAlignment = [&](TObject*, int32_t A, int32_t B, TAlignment&, TVAlignment&) { P = {A, B}; };
             TAlignment H = taLeftJustify;
             TVAlignment V = vtaTop;
             G->GetAlignment(2, 7, H, V);
             return P;
         },
         RowCol},
        {"QueryEditorType",
         [&P](auto* G) {
             P = {};
             G->OnGetEditorType = [&](TObject*, int32_t A, int32_t B, TEditorType&) { P = {A, B}; };
             TEditorType E = edNormal;
             G->QueryEditorType(2, 7, E);
             return P;
         },
         ColRow},
        {"IsFixedCell",
         [&P](auto* G) {
             P = {};
             G->OnIsFixedCell = [&](TObject*, int32_t A, int32_t B, bool&) { P = {A, B}; };
             bool Fixed = false;
             G->IsFixedCell(2, 7, Fixed);
             return P;
         },
         RowCol},
        {"DoCanEditCell",
         [&P](auto* G) {
             P = {};
             G->OnCanEditCell = [&](TObject*, int32_t A, int32_t B, bool&) { P = {A, B}; };
             bool Can = true;
             G->DoCanEditCell(2, 7, Can);
             return P;
         },
         RowCol},
        {"IsPasswordCell",
         [&P](auto* G) {
             P = {};
             G->OnIsPasswordCell = [&](TObject*, int32_t A, int32_t B, bool&) { P = {A, B}; };
             bool Password = false;
             G->IsPasswordCell(2, 7, Password);
             return P;
         },
         RowCol},
        {"GetCellWordWrap",
         [&P](auto* G) {
             P = {};
             G->OnGetWordWrap = [&](TObject*, int32_t A, int32_t B, bool&) { P = {A, B}; };
             bool Wrap = false;
             G->GetCellWordWrap(2, 7, Wrap);
             return P;
         },
         ColRow},
        {"HasComboBox",
         [&P](auto* G) {
             P = {};
             G->OnHasComboBox = [&](TObject*, int32_t A, int32_t B, bool&) { P = {A, B}; };
             G->HasComboBox(2, 7);
             return P;
         },
         ColRow},
        {"HasSpinEdit",
         [&P](auto* G) {
             P = {};
             G->OnHasSpinEdit = [&](TObject*, int32_t A, int32_t B, bool&) { P = {A, B}; };
             G->HasSpinEdit(2, 7);
             return P;
         },
         ColRow},
        {"GetCheckTrue",
         [&P](auto* G) {
             P = {};
             G->OnGetCheckTrue = [&](TObject*, int32_t A, int32_t B, QString&) { P = {A, B}; };
             G->CheckTrueOf(2, 7);
             return P;
         },
         ColRow},
        {"GetCheckFalse",
         [&P](auto* G) {
             P = {};
             G->OnGetCheckFalse = [&](TObject*, int32_t A, int32_t B, QString&) { P = {A, B}; };
             G->CheckFalseOf(2, 7);
             return P;
         },
         ColRow},
        {"GetCellCursor",
         [&P](auto* G) {
             P = {};
             G->OnGetCellCursor = [&](TObject*, int32_t A, int32_t B, int32_t, int32_t, TCursor&) { P = {A, B}; };
             G->GetCellCursor(2, 7, 0, 0);
             return P;
         },
         ColRow},
        {"DoButtonClick",
         [&P](auto* G) {
             P = {};
             G->OnButtonClick = [&](TObject*, int32_t A, int32_t B) { P = {A, B}; };
             G->DoButtonClick(2, 7);
             return P;
         },
         ColRow},
        {"DoExpandClick",
         [&P](auto* G) {
             P = {};
             G->OnExpandClick = [&](TObject*, int32_t A, int32_t B, bool) { P = {A, B}; };
             G->DoExpandClick(2, 7, true);
             return P;
         },
         ColRow},
        {"DoComboCloseUp",
         [&P](auto* G) {
             P = {};
             G->OnComboCloseUp = [&](TObject*, int32_t A, int32_t B) { P = {A, B}; };
             G->DoComboCloseUp(7, 2);
             return P;
         },
         RowCol},
        {"DoComboDropDown",
         [&P](auto* G) {
             P = {};
             G->OnComboDropDown = [&](TObject*, int32_t A, int32_t B) { P = {A, B}; };
             G->DoComboDropDown(7, 2);
             return P;
         },
         RowCol},
        {"DoCheckBoxChange",
         [&P](auto* G) {
             P = {};
             G->OnCheckBoxChange = [&](TObject*, int32_t A, int32_t B, bool) { P = {A, B}; };
             G->DoCheckBoxChange(2, 7, true);
             return P;
         },
         ColRow},
        {"DoRatingChange",
         [&P](auto* G) {
             P = {};
             G->OnRatingChange = [&](TObject*, int32_t A, int32_t B, double&, bool&) { P = {A, B}; };
             double Rate = 1;
             G->DoRatingChange(2, 7, Rate);
             return P;
         },
         ColRow},
        {"DoFixedEdit",
         [&P](auto* G) {
             P = {};
             G->OnFixedEdit = [&](TObject*, int32_t A, int32_t B, TGridFixedCellEditor&, TStrings*) { P = {A, B}; };
             TGridFixedCellEditor E = fceEdit;
             G->DoFixedEdit(2, 7, E, nullptr);
             return P;
         },
         ColRow},
        {"GetSaveCellText",
         [&P](auto* G) {
             P = {};
             G->OnSaveCell = [&](TObject*, int32_t A, int32_t B, QString&) { P = {A, B}; };
             QString V;
             G->GetSaveCellText(2, 7, V);
             return P;
         },
         ColRow},
        {"SetLoadedCellText",
         [&P](auto* G) {
             P = {};
             G->OnLoadCell = [&](TObject*, int32_t A, int32_t B, QString&) { P = {A, B}; };
             G->SetLoadedCellText(2, 7, QStringLiteral("x"));
             return P;
         },
         ColRow},
        {"DoScrollCell",
         [&P](auto* G) {
             P = {};
             G->OnScrollCell = [&](TObject*, int32_t A, int32_t B, int32_t, int32_t, int32_t) { P = {A, B}; };
             G->DoScrollCell(2, 7, 0, 0, 10);
             return P;
         },
         ColRow},
        {"DoCheckBoxClick",
         [&P](auto* G) {
             P = {};
             G->OnCheckBoxClick = [&](TObject*, int32_t A, int32_t B, bool) { P = {A, B}; };
             G->DoCheckBoxClick(2, 7, true);
             return P;
         },
         ColRow},
        {"GetEditorProp",
         [&P](auto* G) {
             P = {};
             G->OnGetEditorProp = [&](TObject*, int32_t A, int32_t B, TEditLink*) { P = {A, B}; };
             G->GetEditorProp(2, 7, nullptr);
             return P;
         },
         ColRow},
        {"DoSearchFooterAction",
         [&P](auto* G) {
             P = {};
             G->OnSearchFooterAction = [&](TObject*, const QString&, int32_t A, int32_t B, TSearchAction) {
                 P = {A, B};
             };
             G->DoSearchFooterAction(QStringLiteral("x"), 2, 7, saFindNext);
             return P;
         },
         ColRow},
        // These take the current cell, (2, 7) here.
        {"DoEllipsClick",
         [&P](auto* G) {
             P = {};
             G->OnEllipsClick = [&](TObject*, int32_t A, int32_t B, QString&) { P = {A, B}; };
             QString S;
             G->DoEllipsClick(S);
             return P;
         },
         ColRow},
        {"ValidateCell",
         [&P](auto* G) {
             P = {};
             G->OnCellValidate = [&](TObject*, int32_t A, int32_t B, QString&, bool&) { P = {A, B}; };
             G->ValidateCell(QStringLiteral("v"));
             return P;
         },
         ColRow},
        {"ValidateCellWide",
         [&P](auto* G) {
             P = {};
             G->OnCellValidateWide = [&](TObject*, int32_t A, int32_t B, QString&, bool&) { P = {A, B}; };
             G->ValidateCellWide(QStringLiteral("v"));
             return P;
         },
         ColRow},
    };
    Grid->SetCol(2);
    Grid->SetRow(7);
    ASSERT_EQ(Grid->Col(), 2);
    ASSERT_EQ(Grid->Row(), 7);
    for (const TOrderCase& Case : Cases) EXPECT_EQ(Case.Run(Grid), Case.Expected) << Case.Hook;

    // Hooks of one index give it through.
    QList<int32_t> Single;
    Grid->OnClickSort = [&](TObject*, int32_t ACol) { Single.append(ACol); };
    Grid->OnCanShowFixedDropDown = [&](TObject*, int32_t ACol, bool&) { Single.append(ACol); };
    Grid->OnUpdateColumnSize = [&](TObject*, int32_t ACol, int32_t&) { Single.append(ACol); };
    Grid->OnCanInsertRow = [&](TObject*, int32_t ARow, bool&) { Single.append(ARow); };
    Grid->DoClickSort(3);
    Grid->CanShowFixedDropDown(4);
    int32_t Width = 10;
    Grid->UpdateColumnSize(1, Width);
    bool Can = true;
    Grid->DoCanInsertRow(6, Can);
    EXPECT_EQ(Single, (QList<int32_t>{3, 4, 1, 6}));

    std::array<int32_t, 4> Sides{};
    Grid->OnSelectionChanged = [&](TObject*, int32_t L, int32_t T, int32_t R, int32_t B) { Sides = {L, T, R, B}; };
    Grid->DoSelectionChanged(1, 2, 3, 4);
    EXPECT_EQ(Sides, (std::array<int32_t, 4>{1, 2, 3, 4}));
}

// Each row gives the hook's answer as text, assigns an event that changes it, and clears the event.
struct TRestoreCase {
    const char* Hook;
    std::function<QString(TExtStringGrid*)> Answer;
    std::function<void(TExtStringGrid*, bool)> Assign;
};

TEST_F(ExtGridFixture, ClearingAnEventBringsBackTheGridsOwnAnswer)
{
    Grid->SetCells(2, 3, QStringLiteral("<b>bold</b>"));
    Grid->SetSaveWithHTML(false);
    Grid->SetFilterDropDownAuto(true);
    Grid->ControlLook()->SetDropDownAlwaysVisible(true);
    Grid->SetDefaultEditor(edComboList);
    const TRestoreCase Cases[] = {
        {"GetCheckTrue", [](auto* G) { return G->CheckTrueOf(2, 3); },
         [](auto* G, bool On) {
             G->OnGetCheckTrue = On ? TGetCheckEvent([](TObject*, int32_t, int32_t, QString& V) { V = QStringLiteral("yes"); })
                                    : TGetCheckEvent();
         }},
        {"GetSaveCellText",
         [](auto* G) {
             QString V;
             G->GetSaveCellText(2, 3, V);
             return V;
         },
         [](auto* G, bool On) {
             G->OnSaveCell = On ? TCellSaveLoadEvent([](TObject*, int32_t, int32_t, QString& V) { V += QLatin1Char('!'); })
                                : TCellSaveLoadEvent();
         }},
        {"IsFixedCell",
         [](auto* G) {
             bool Fixed = false;
             G->IsFixedCell(2, 3, Fixed);
             return QString::number(Fixed);
         },
         [](auto* G, bool On) {
             G->OnIsFixedCell = On ? TIsFixedCellEvent([](TObject*, int32_t, int32_t, bool& F) { F = true; })
                                   : TIsFixedCellEvent();
         }},
        {"HasComboBox", [](auto* G) { return QString::number(G->HasComboBox(2, 3)); },
         [](auto* G, bool On) {
             G->OnHasComboBox = On ? THasComboEvent([](TObject*, int32_t, int32_t, bool& H) { H = false; })
                                   : THasComboEvent();
         }},
        {"GetColumnFilter",
         [](auto* G) {
             G->GetColumnFilter(2);
             return G->FilterList()->Text();
         },
         [](auto* G, bool On) {
             G->OnGetColumnFilter = On ? TGetColumnFilterEvent([](TObject*, int32_t, TStrings* L) { L->Clear(); })
                                       : TGetColumnFilterEvent();
         }},
        {"CanEdit", [](auto* G) { return QString::number(G->CanEdit(2, 3)); },
         [](auto* G, bool On) {
             G->OnCanEditCell = On ? TCanEditCellEvent([](TObject*, int32_t, int32_t, bool& C) { C = false; })
                                   : TCanEditCellEvent();
         }},
    };
    for (const TRestoreCase& C : Cases) {
        const QString Own = C.Answer(Grid);
        C.Assign(Grid, true);
        EXPECT_NE(C.Answer(Grid), Own) << C.Hook;
        C.Assign(Grid, false);
        EXPECT_EQ(C.Answer(Grid), Own) << C.Hook;
    }
}

TEST_F(ExtGridFixture, ActiveCellShowHighlightsTheHeadersOfTheCurrentCell)
{
    Grid->SetActiveCellShow(true);
    Grid->SetCol(3);
    Grid->SetRow(5);
    const struct {
        int32_t Col, Row;
        bool Active;
    } Cases[] = {{0, 5, true}, {3, 0, true}, {0, 4, false}, {2, 0, false}, {3, 5, false}};
    for (const auto& C : Cases) {
        TBrush Brush;
        TFont Font;
        Brush.SetColor(clWhite);
        Grid->GetCellColor(C.Col, C.Row, {}, &Brush, &Font);
        EXPECT_EQ(Brush.Color() == Grid->ActiveCellColor(), C.Active) << C.Col << "," << C.Row;
        EXPECT_EQ(Font.Style().Contains(fsBold), C.Active) << C.Col << "," << C.Row;
    }
}

TEST_F(ExtGridFixture, PropertiesBrushShowsOnlyForTheListedKinds)
{
    const struct {
        TCellType Kind;
        bool Brush;
    } Cases[] = {{ctIcon, true},     {ctNone, true},      {ctImageList, true}, {ctEmpty, true},
                 {ctImages, true},   {ctComment, true},   {ctCheckBox, false}, {ctBitmap, false},
                 {ctProgress, false}, {ctRadioButton, false}};
    for (const auto& C : Cases) {
        const int32_t Row = 1 + int32_t(&C - Cases) % 9;
        Grid->SetCells(2, Row, QStringLiteral("x"));
        Grid->NewCellGraphic(2, Row)->SetCellType(C.Kind);
        if (C.Kind == ctEmpty) Grid->RemoveCellGraphic(2, Row);
        TCellProperties* Props = Grid->GetCellProperties(2, Row);
        Props->SetBrushColor(clRed);
        Props->SetFontColor(clBlue);
        Props->SetFontName(QStringLiteral("Arial"));
        TBrush Brush;
        TFont Font;
        Brush.SetColor(clWhite);
        Grid->GetCellColor(2, Row, {}, &Brush, &Font);
        EXPECT_EQ(Brush.Color(), C.Brush ? clRed : clWhite) << int(C.Kind);
        EXPECT_EQ(Font.Color(), clBlue) << int(C.Kind);
        EXPECT_EQ(Font.Name(), QStringLiteral("Arial")) << int(C.Kind);
    }
    // The event comes last and sees the brush as the grid left it.
    TColor Seen = 0;
    Grid->OnGetCellColor = [&](TObject*, int32_t, int32_t, TGridDrawState, TBrush* B, TFont*) {
        Seen = B->Color();
        B->SetColor(clLime);
    };
    TBrush Brush;
    TFont Font;
    Grid->GetCellColor(2, 2, {}, &Brush, &Font);
    EXPECT_EQ(Seen, clRed);
    EXPECT_EQ(Brush.Color(), clLime);
}

TEST_F(ExtGridFixture, EditorKindQueriesFollowTheirEvents)
{
    // Without OnGetEditorType no cell is without editor, whatever the default editor.
    Grid->SetDefaultEditor(edNone);
    EXPECT_FALSE(Grid->IsNoEditorCell(2, 2));
    TEditorType Kind = edNormal;
    Grid->OnGetEditorType = [&](TObject*, int32_t, int32_t, TEditorType& E) {
        EXPECT_EQ(E, edNormal);
        E = Kind;
    };
    Kind = edNone;
    EXPECT_TRUE(Grid->IsNoEditorCell(2, 2));
    Kind = edComboList;
    EXPECT_FALSE(Grid->IsNoEditorCell(2, 2));

    // Combo buttons: the event alone decides; else the editor kind while drop-downs always show.
    Grid->SetDefaultEditor(edNormal);
    EXPECT_FALSE(Grid->HasComboBox(2, 2));
    Grid->ControlLook()->SetDropDownAlwaysVisible(true);
    EXPECT_TRUE(Grid->HasComboBox(2, 2));
    Grid->OnHasComboBox = [](TObject*, int32_t, int32_t, bool& Has) { EXPECT_FALSE(Has); };
    EXPECT_FALSE(Grid->HasComboBox(2, 2));

    // Spin buttons: never on fixed cells, even when the event would say so.
    Grid->OnHasSpinEdit = [](TObject*, int32_t, int32_t, bool& Has) { Has = true; };
    EXPECT_FALSE(Grid->HasSpinEdit(0, 3));
    EXPECT_FALSE(Grid->HasSpinEdit(3, 0));
    EXPECT_TRUE(Grid->HasSpinEdit(3, 3));
    Grid->OnHasSpinEdit = nullptr;
    Kind = edFloatSpinEdit;
    EXPECT_FALSE(Grid->HasSpinEdit(3, 3));
    Grid->ControlLook()->SetSpinButtonsAlwaysVisible(true);
    EXPECT_TRUE(Grid->HasSpinEdit(3, 3));
    Kind = edComboEdit;
    EXPECT_FALSE(Grid->HasSpinEdit(3, 3));
}

TEST_F(ExtGridFixture, ReadOnlyCellIsNotEditableBeforeTheEventIsAsked)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    EXPECT_TRUE(Grid->CanEdit(2, 2));
    Grid->GetCellProperties(2, 2)->SetReadOnly(true);
    EXPECT_FALSE(Grid->CanEdit(2, 2));
    bool Asked = false;
    Grid->OnCanEditCell = [&](TObject*, int32_t, int32_t, bool& Can) {
        EXPECT_FALSE(Can);
        Asked = true;
        Can = true;
    };
    EXPECT_TRUE(Grid->CanEdit(2, 2));
    EXPECT_TRUE(Asked);
    // Without goEditing a cell with properties is not editable either.
    Grid->OnCanEditCell = nullptr;
    Grid->GetCellProperties(2, 2)->SetReadOnly(false);
    Grid->SetOptions(Grid->Options() - TGridOptions{goEditing});
    EXPECT_FALSE(Grid->CanEdit(2, 2));
    // A merged cell answers for its base cell.
    Grid->MergeCells(1, 4, 2, 1);
    Grid->GetCellProperties(1, 4)->SetReadOnly(true);
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    EXPECT_FALSE(Grid->CanEdit(2, 4));
}

TEST_F(ExtGridFixture, FixedCellsIncludeTheWishedFixedRowsOfAShrunkGrid)
{
    bool Asked = false;
    Grid->OnIsFixedCell = [&](TObject*, int32_t, int32_t, bool&) { Asked = true; };
    const struct {
        int32_t Col, Row;
        bool Fixed;
    } Cases[] = {{0, 3, true}, {3, 0, true}, {2, 2, false}};
    for (const auto& C : Cases) {
        Asked = false;
        bool Fixed = false;
        Grid->IsFixedCell(C.Col, C.Row, Fixed);
        EXPECT_EQ(Fixed, C.Fixed);
        EXPECT_EQ(Asked, !C.Fixed);
    }
    // A grid reduced to its fixed row keeps treating it as fixed.
    Grid->SetFixedRowAlways(true);
    Grid->SetRowCount(1);
    EXPECT_EQ(Grid->TCustomGrid::FixedRows(), 0);
    EXPECT_EQ(Grid->FixedRows(), 1);
    bool Fixed = false;
    Grid->IsFixedCell(3, 0, Fixed);
    EXPECT_TRUE(Fixed);
    Grid->SetRowCount(10);
    EXPECT_EQ(Grid->FixedRows(), 1);
}

TEST_F(ExtGridFixture, ColumnFilterListsEachValueOnceWithTheClearEntryFirst)
{
    Grid->SetRowCount(7);
    const QString Texts[] = {QStringLiteral("b"), QStringLiteral(" a"), QStringLiteral("a b"), QStringLiteral("a"),
                             QStringLiteral("b "), QStringLiteral("c")};
    for (int32_t r = 1; r <= 6; ++r) Grid->SetCells(1, r, Texts[r - 1]);
    Grid->SetFixedFooters(1);
    Grid->SetFilterDropDownAuto(true);
    EXPECT_TRUE(Grid->GetColumnFilter(1));
    EXPECT_EQ(Grid->FilterList()->Text(),
              QStringLiteral("(All)\r\na\r\na b=\"a b\"\r\nb\r\n"));
    EXPECT_FALSE(Grid->FilterList()->Sorted());

    // Fixed columns only with fdAll; the event always comes and may fill the list.
    EXPECT_FALSE(Grid->GetColumnFilter(0));
    Grid->SetFilterDropDownColumns(fdAll);
    EXPECT_TRUE(Grid->GetColumnFilter(0));
    Grid->SetFilterDropDownAuto(false);
    EXPECT_FALSE(Grid->GetColumnFilter(1));
    Grid->OnGetColumnFilter = [](TObject*, int32_t Column, TStrings* List) {
        if (Column == 1) List->Add(QStringLiteral("mine"));
    };
    EXPECT_TRUE(Grid->GetColumnFilter(1));
    EXPECT_EQ(Grid->FilterList()->Text(), QStringLiteral("mine\r\n"));
    EXPECT_FALSE(Grid->GetColumnFilter(2));
}

TEST_F(ExtGridFixture, AutoDeleteRowEmptiesTheOnlyDataRow)
{
    int32_t Deleted = -1;
    Grid->OnAutoDeleteRow = [&](TObject*, int32_t ARow) { Deleted = ARow; };
    Grid->SetRowCount(2);
    Grid->SetCells(1, 1, QStringLiteral("only"));
    Grid->AutoDeleteRow(1);
    EXPECT_EQ(Grid->RowCount(), 2);
    EXPECT_EQ(Grid->Cells(1, 1), QString());
    EXPECT_EQ(Deleted, 1);

    Grid->SetRowCount(4);
    Grid->SetCells(1, 2, QStringLiteral("two"));
    Grid->SetCells(1, 3, QStringLiteral("three"));
    Grid->AutoDeleteRow(2);
    EXPECT_EQ(Grid->RowCount(), 3);
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("three"));
}

TEST_F(ExtGridFixture, SaveTextOfCheckBoxesAndMarkup)
{
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddCheckBox(1, 2, false, false);
    Grid->AddCheckBox(1, 3, cbChecked);
    Grid->AddCheckBox(1, 4, cbGrayed);
    Grid->SetCells(2, 1, QStringLiteral("<b>bold</b> text"));
    Grid->SetCells(3, 1, QStringLiteral("{\\rtf1 a\r\nb}"));
    const struct {
        int32_t Col, Row;
        bool SaveWithHTML, SaveWithRTF;
        QString Expected;
    } Cases[] = {
        {1, 1, true, false, QStringLiteral("Y")},
        {1, 2, true, false, QStringLiteral("N")},
        {1, 3, true, false, QStringLiteral("Y")},
        {1, 4, true, false, QStringLiteral("N")},
        {2, 1, false, false, QStringLiteral("bold text")},
        {2, 1, true, false, QStringLiteral("<b>bold</b> text")},
        {3, 1, true, true, QStringLiteral("{\\rtf1 ab}")},
    };
    for (const auto& C : Cases) {
        Grid->SetSaveWithHTML(C.SaveWithHTML);
        Grid->SetSaveWithRTF(C.SaveWithRTF);
        QString Value;
        Grid->GetSaveCellText(C.Col, C.Row, Value);
        EXPECT_EQ(Value, C.Expected) << C.Col << "," << C.Row;
    }
    Grid->OnGetCheckTrue = [](TObject*, int32_t, int32_t, QString& V) { V = QStringLiteral("yes"); };
    QString Value;
    Grid->GetSaveCellText(1, 1, Value);
    EXPECT_EQ(Value, QStringLiteral("yes"));
    Grid->OnSaveCell = [](TObject*, int32_t, int32_t, QString& V) { V += QStringLiteral("!"); };
    Grid->GetSaveCellText(1, 1, Value);
    EXPECT_EQ(Value, QStringLiteral("yes!"));
    // Loaded texts pass the event, then go in raw.
    Grid->OnLoadCell = [](TObject*, int32_t, int32_t, QString& V) { V = V.toUpper(); };
    Grid->SetLoadedCellText(4, 4, QStringLiteral("abc"));
    EXPECT_EQ(Grid->Cells(4, 4), QStringLiteral("ABC"));
}

class TLoggingNotifier : public TGridChangeNotifier {
public:
    TLoggingNotifier(QStringList& Log, QString Name) : TGridChangeNotifier(nullptr), FLog(Log), FName(std::move(Name))
    {
    }
    void CellsChanged(const TRect& R) override
    {
        FLog.append(QStringLiteral("%1 %2,%3,%4,%5").arg(FName).arg(R.Left).arg(R.Top).arg(R.Right).arg(R.Bottom));
    }

private:
    QStringList& FLog;
    QString FName;
};

TEST_F(ExtGridFixture, CellsChangedReachesTheEventThenNotifiersInRegistrationOrder)
{
    QStringList Log;
    TLoggingNotifier First(Log, QStringLiteral("first"));
    TLoggingNotifier Second(Log, QStringLiteral("second"));
    Grid->OnCellsChanged = [&](TObject*, const TRect& R) { Log.append(QStringLiteral("event %1").arg(R.Right)); };
    Grid->RegisterNotifier(&Second);
    Grid->RegisterNotifier(&First);
    Grid->RegisterNotifier(&Second);
    Grid->DoCellsChanged(TRect{1, 2, 3, 4});
    EXPECT_EQ(Log, (QStringList{QStringLiteral("event 3"), QStringLiteral("second 1,2,3,4"),
                                QStringLiteral("first 1,2,3,4")}));
    Log.clear();
    Grid->UnRegisterNotifier(&Second);
    Grid->OnCellsChanged = nullptr;
    Grid->DoCellsChanged(TRect{0, 0, 0, 0});
    EXPECT_EQ(Log, QStringList{QStringLiteral("first 0,0,0,0")});
}

TEST_F(ExtGridFixture, HintsAlignmentsBordersAndDefaults)
{
    // A wide hint replaces the hint, wide-encoded.
    Grid->OnGridHint = [](TObject*, int32_t, int32_t, QString& H) { H = QStringLiteral("plain"); };
    QString Hint, Wide;
    Grid->GetCellHint(1, 1, Hint, Wide);
    EXPECT_EQ(Hint, QStringLiteral("plain"));
    Grid->OnGridWideHint = [](TObject*, int32_t, int32_t, QString& H) { H = QStringLiteral("wide"); };
    Grid->GetCellHint(1, 1, Hint, Wide);
    EXPECT_EQ(Hint, EncodeWideCellText(QStringLiteral("wide")));

    // Column 0 is centred for row selection by check box.
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    Grid->MouseActions()->SetHotmailRowSelect(true);
    Grid->GetAlignment(0, 2, HA, VA);
    EXPECT_EQ(HA, taCenter);
    Grid->MouseActions()->SetHotmailRowSelect(false);

    // Grouping lines under node rows and over summary rows, not in column 0.
    Grid->Grouping()->SetHeaderUnderline(true);
    Grid->Grouping()->SetSummaryLine(true);
    Grid->MakeNode(2, 3);
    Grid->NewCellGraphic(0, 6)->SetCellType(ctSummary);
    const struct {
        int32_t Col, Row;
        TCellBorders Borders;
        TColor Color;
    } Cases[] = {{1, 2, {cbBottom}, clBlue}, {0, 2, {}, clBlack}, {1, 6, {cbTop}, clBlue}, {1, 3, {}, clBlack}};
    for (const auto& C : Cases) {
        TPen Pen;
        TCellBorders Borders;
        Grid->GetCellBorder(C.Col, C.Row, &Pen, Borders);
        EXPECT_EQ(Borders, C.Borders) << C.Col << "," << C.Row;
        EXPECT_EQ(Pen.Color(), C.Color) << C.Col << "," << C.Row;
    }
    EXPECT_EQ(Grid->GetNodeIndent(2), 12);
    EXPECT_EQ(Grid->GetNodeIndent(3), 0);

    // New cell properties carry no background where fixed cells, bands or gradients paint it.
    const auto BrushOf = [&](int32_t ACol, int32_t ARow) {
        TFont Font;
        TBrush Brush;
        Brush.SetColor(clRed);
        TColor To = clRed, Mirror = clNone, MirrorTo = clNone;
        TAlignment H = taLeftJustify;
        TVAlignment V = vtaTop;
        bool WW = false;
        TCellGradientDirection GD = GradientVertical;
        Grid->GetCellDefaults(ACol, ARow, &Font, &Brush, To, Mirror, MirrorTo, H, V, WW, GD);
        return std::pair{Brush.Color(), To};
    };
    EXPECT_EQ(BrushOf(2, 2), std::pair(Grid->Color(), clNone));
    EXPECT_EQ(BrushOf(0, 2), std::pair(clNone, clNone));
    Grid->Bands()->SetActive(true);
    EXPECT_EQ(BrushOf(2, 2), std::pair(clNone, clNone));
    Grid->Bands()->SetActive(false);
    Grid->BackGround()->SetDisplay(bdGradientVert);
    EXPECT_EQ(BrushOf(2, 2), std::pair(clNone, clNone));
}

TEST_F(ExtGridFixture, ExpandClickSetsTheRowHeight)
{
    Grid->AddExpand(1, 3, 60);
    EXPECT_EQ(Grid->GetExpandHeight(1, 3, false), 22);
    Grid->DoExpandClick(1, 3, Grid->ToggleExpand(1, 3));
    EXPECT_EQ(Grid->RowHeights(3), 60);
    Grid->DoExpandClick(1, 3, Grid->ToggleExpand(1, 3));
    EXPECT_EQ(Grid->RowHeights(3), 22);
}

}  // namespace
