// The string grid on a shown form for its tests, with the protected state the tests set up
// (nodes, summary rows) opened, and objects that count their own destruction.
#pragma once

#include "grid/core/ExtGrid.h"

#include "support/Input.h"
#include "support/Render.h"

#include "graphics/Bitmap.h"
#include "graphics/Icon.h"
#include "graphics/Picture.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <memory>

class TTestExtGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;

    using TExtStringGrid::CreateWnd;
    using TExtStringGrid::FEditChange;
    using TExtStringGrid::FHideLastRow;
    using TExtStringGrid::FEnabledRows;
    using TExtStringGrid::FModifiedRows;
    using TExtStringGrid::FNumNodes;
    using TExtStringGrid::FUseEnabledRows;
    using TExtStringGrid::FVAlign;
    using TExtStringGrid::FControlList;
    using TExtStringGrid::FLastBalloonPos;

    // Makes display row ARow a node of level 1 spanning Span rows (the node row included).
    void MakeNode(int32_t ARow, int32_t Span, bool Contracted = false);

    // WM_SETREDRAW switches received, and ticks of the grid's own timer.
    QList<WPARAM> Redraws;
    int32_t GridTicks = 0;

protected:
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == WM_SETREDRAW) Redraws.append(Message.WParam);
        if (Message.Msg == WM_TIMER && Message.WParam == 111) ++GridTicks;
        TExtStringGrid::WndProc(Message);
    }
};

// Counts the objects of each kind destroyed, so that ownership shows.
struct TFreed {
    static inline int32_t Bitmaps = 0;
    static inline int32_t Pictures = 0;
    static inline int32_t Icons = 0;
    static inline int32_t Lists = 0;
    static void Reset() { Bitmaps = Pictures = Icons = Lists = 0; }
};

class TCountedBitmap : public TBitmap {
public:
    ~TCountedBitmap() override { ++TFreed::Bitmaps; }
};

class TCountedPicture : public TPicture {
public:
    ~TCountedPicture() override { ++TFreed::Pictures; }
};

class TCountedIcon : public TIcon {
public:
    ~TCountedIcon() override { ++TFreed::Icons; }
};

class TCountedList : public TStringList {
public:
    ~TCountedList() override { ++TFreed::Lists; }
};

// A shown form holding a string grid of 5 columns and 10 rows (its defaults).
class ExtGridFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TFreed::Reset();
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(420);
        Form->SetClientHeight(270);
        Grid = New<TTestExtGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetLeft(10);
        Grid->SetTop(10);
    }

    void Show()
    {
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TTestExtGrid* Grid = nullptr;
};
