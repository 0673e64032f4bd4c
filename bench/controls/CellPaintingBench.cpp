// A full repaint of the string grid's 1920 x 1080 client beside QTableView over a QStandardItemModel
// with a QStyledItemDelegate drawing the same cells: 10 columns of 192 pixels, 20-pixel rows under
// a header row, one font; plain texts, right-aligned numbers, markup, data check boxes, progress bars.
#include "grid/core/ExtGrid.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "support/Peer.h"
#include "support/PeerTableView.h"
#include "support/Session.h"
#include "windows/Forms.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextDocument>

#include <memory>

namespace {

constexpr int32_t Cols = 10;
constexpr int32_t Rows = 60;

// Columns 0, 1 plain; 2, 3 numbers; 4, 5 markup; 6, 7 check boxes; 8, 9 progress.
enum TKind { kPlain, kNumber, kMarkup, kCheck, kProgress };
TKind KindOf(int32_t Col)
{
    return static_cast<TKind>(Col / 2);
}

QString TextOf(int32_t Col, int32_t Row)
{
    switch (KindOf(Col)) {
    case kPlain: return QStringLiteral("Register %1").arg(Row * Cols + Col);
    case kNumber: return QString::number(Row * 37.25 + Col, 'f', 2);
    case kMarkup: return QStringLiteral("<b>Bold</b> and <i>italic</i> %1").arg(Row);
    case kCheck: return Row % 3 == 0 ? QStringLiteral("Y") : QStringLiteral("N");
    case kProgress: return QString::number((Row * 7 + Col) % 101);
    }
    return {};
}

// Markup through QTextDocument, progress through the style's bar; the rest as the delegate does.
class TPeerDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        const TKind Kind = KindOf(Index.column());
        if (Kind == kMarkup) {
            QStyleOptionViewItem Opt = Option;
            initStyleOption(&Opt, Index);
            const QString Html = Opt.text;
            Opt.text.clear();
            QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &Opt, Painter);
            QTextDocument Doc;
            Doc.setDefaultFont(Option.font);
            Doc.setHtml(Html);
            Doc.setDocumentMargin(2);
            Painter->save();
            Painter->translate(Option.rect.topLeft());
            Painter->setClipRect(QRect(QPoint(0, 0), Option.rect.size()));
            Doc.documentLayout()->draw(Painter, QAbstractTextDocumentLayout::PaintContext());
            Painter->restore();
            return;
        }
        if (Kind == kProgress) {
            QStyleOptionProgressBar Bar;
            Bar.rect = Option.rect.adjusted(2, 2, -2, -2);
            Bar.minimum = 0;
            Bar.maximum = 100;
            Bar.progress = Index.data().toInt();
            Bar.text = QStringLiteral("%1%").arg(Bar.progress);
            Bar.textVisible = true;
            Bar.state = QStyle::State_Enabled;
            QApplication::style()->drawControl(QStyle::CE_ProgressBar, &Bar, Painter);
            return;
        }
        QStyledItemDelegate::paint(Painter, Option, Index);
    }
};

void Repaint(benchmark::State& State)
{
    Bench::EnsureSession();
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBorderStyle(bsNone);
    Form->SetClientWidth(1920);
    Form->SetClientHeight(1080);
    TExtStringGrid* Grid = New<TExtStringGrid>(Form.get());
    Grid->SetBorderStyle(bsNone);
    Grid->SetScrollBars(ssNone);
    Grid->SetBoundsRect(Bounds(0, 0, 1920, 1080));
    Grid->SetParent(Form.get());
    Grid->Font()->SetName(QStringLiteral("DejaVu Sans"));
    Grid->Font()->SetSize(8);
    Grid->FixedFont()->Assign(Grid->Font());
    Grid->SetFixedCols(0);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows + 1);
    Grid->SetDefaultColWidth(192);
    Grid->SetDefaultRowHeight(20);
    Grid->OnGetAlignment = [](TObject*, int32_t ARow, int32_t ACol, TAlignment& HA, TVAlignment&) {
        if (ARow > 0 && KindOf(ACol) == kNumber) HA = taRightJustify;
    };
    for (int32_t c = 0; c < Cols; ++c) {
        Grid->SetCells(c, 0, QStringLiteral("Column %1").arg(c));
        for (int32_t r = 1; r <= Rows; ++r) Grid->SetCells(c, r, TextOf(c, r));
    }
    for (int32_t c : {6, 7}) Grid->AddCheckBoxColumn(c, false, true);
    for (int32_t c : {8, 9})
        for (int32_t r = 1; r <= Rows; ++r) Grid->AddProgress(c, r, clHighlight, clWindow);
    TBitmap Target;
    Target.SetSize(1920, 1080);

    QStandardItemModel Model(Rows, Cols);
    for (int32_t c = 0; c < Cols; ++c) {
        Model.setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("Column %1").arg(c)));
        for (int32_t r = 1; r <= Rows; ++r) {
            auto* Item = new QStandardItem(TextOf(c, r));
            if (KindOf(c) == kNumber) Item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (KindOf(c) == kCheck) {
                Item->setCheckable(true);
                Item->setCheckState(TextOf(c, r) == QStringLiteral("Y") ? Qt::Checked : Qt::Unchecked);
                Item->setText(QString());
            }
            Model.setItem(r - 1, c, Item);
        }
    }
    QTableView View;
    View.setModel(&Model);
    TPeerDelegate Delegate;
    View.setItemDelegate(&Delegate);
    SetUpPeerTableView(View, 1920, 1080);
    QImage Image(1920, 1080, QImage::Format_RGB32);

    // Warm both once.
    Grid->PaintTo(Target.Canvas()->Handle(), 0, 0);
    View.render(&Image);
    RunBesidePeer(
        State, "QTableView", [&] { Grid->PaintTo(Target.Canvas()->Handle(), 0, 0); }, [&] { View.render(&Image); });
}
BENCHMARK(Repaint)->Name("CellPainting/Repaint1920x1080")->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
