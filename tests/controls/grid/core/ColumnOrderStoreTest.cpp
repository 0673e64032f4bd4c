// The column order kept in the column size store: "Pos" + i in the registry stand-in or an INI
// file for the string grid, "CP" + i in an INI file for the column grid.
#include "grid/core/ColumnGrid.h"
#include "grid/core/ColumnSize.h"

#include "support/TempFolder.h"

#include "os/IniFiles.h"
#include "os/Registry.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

namespace {

using TKeys = std::vector<std::pair<const char*, int32_t>>;

class ColumnOrderStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetRegistryFile(Temp.File(QStringLiteral("registry.xml")));
        Form.reset(New<TForm>(nullptr));
    }
    void TearDown() override
    {
        Form.reset();
        SetRegistryFile(QString());
    }

    // A grid of four columns headed A to D, its order recorded unless told not to, kept in
    // Section "Grid" of Key.
    template <class TGrid>
    TGrid* MakeGrid(TColumnSizeLocation Location, const QString& Key, bool Record = true)
    {
        auto* Grid = New<TGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetColCount(4);
        for (int32_t c = 0; c < 4; ++c) Grid->SetCells(c, 0, QString(QChar(u'A' + c)));
        if (Record) Grid->SetColumnOrder();
        Grid->ColumnSize()->SetLocation(Location);
        Grid->ColumnSize()->SetKey(Key);
        Grid->ColumnSize()->SetSection(QStringLiteral("Grid"));
        return Grid;
    }
    static QString Headers(TExtStringGrid* Grid)
    {
        QString S;
        for (int32_t c = 0; c < Grid->TotalColCount(); ++c) S += Grid->AllCells(c, 0);
        return S;
    }
    static QString Order(TExtStringGrid* Grid)
    {
        QStringList L;
        for (int32_t p = 0; p < Grid->ColCount(); ++p) L << QString::number(Grid->ColumnAtPosition(p));
        return L.join(u',');
    }
    QString IniFile() const { return Temp.File(QStringLiteral("columns.ini")); }
    void WriteIni(const TKeys& Keys) const
    {
        TIniFile File(IniFile());
        for (const auto& [Key, Value] : Keys) File.WriteInteger("Grid", Key, Value);
    }

    TempFolder Temp;
    std::unique_ptr<TForm> Form;
};

}  // namespace

TEST_F(ColumnOrderStoreTest, PosKeysRoundTripThroughTheRegistryAndAnIniFile)
{
    for (TColumnSizeLocation Location : {clRegistry, clIniFile}) {
        SCOPED_TRACE(Location);
        const QString Key = Location == clIniFile ? IniFile() : QStringLiteral("Software\\KT\\Columns");
        TExtStringGrid* Saved = MakeGrid<TExtStringGrid>(Location, Key);
        Saved->MoveColumn(0, 2);
        ASSERT_EQ(Headers(Saved), "BCAD");
        Saved->SaveColPositions();
        if (Location == clIniFile) {
            TIniFile File(IniFile());
            EXPECT_EQ(File.ReadInteger("Grid", "Pos0", -1), 1);
            EXPECT_EQ(File.ReadInteger("Grid", "Pos2", -1), 0);
            EXPECT_EQ(File.ReadInteger("Grid", "Pos3", -1), 3);
        } else {
            TRegistryIniFile Store(Key);
            EXPECT_EQ(Store.ReadInteger("Grid", "Pos1", -1), 2);
            EXPECT_EQ(Store.ReadInteger("Grid", "Pos2", -1), 0);
        }

        TExtStringGrid* Loaded = MakeGrid<TExtStringGrid>(Location, Key);
        Loaded->LoadColPositions();
        EXPECT_EQ(Headers(Loaded), "BCAD");
        EXPECT_EQ(Order(Loaded), "1,2,0,3") << "the list holds the stored order again";
        Loaded->ResetColumnOrder();
        EXPECT_EQ(Headers(Loaded), "ABCD");
        delete Saved;
        delete Loaded;
    }
}

TEST_F(ColumnOrderStoreTest, NothingStoredOrNowhereToStoreChangesNothing)
{
    // An empty order list writes nothing; the load then finds no "Pos0". Reading creates the file.
    TExtStringGrid* Grid = MakeGrid<TExtStringGrid>(clIniFile, IniFile(), false);
    Grid->SaveColPositions();
    ASSERT_TRUE(QFile::exists(IniFile()));
    EXPECT_EQ(TIniFile(IniFile()).ReadInteger("Grid", "Pos0", -1), -1);
    Grid->SetColumnOrder();
    Grid->MoveColumn(3, 0);
    Grid->LoadColPositions();
    EXPECT_EQ(Headers(Grid), "DABC");

    // No key or no section: no store at all.
    Grid->ColumnSize()->SetKey(QString());
    Grid->SaveColPositions();
    Grid->ColumnSize()->SetKey(Temp.File(QStringLiteral("none.ini")));
    Grid->ColumnSize()->SetSection(QString());
    Grid->SaveColPositions();
    Grid->LoadColPositions();
    EXPECT_FALSE(QFile::exists(Temp.File(QStringLiteral("none.ini"))));
}

TEST_F(ColumnOrderStoreTest, HiddenColumnsStayHiddenAndBadStoresRaiseWithNothingChanged)
{
    WriteIni({{"Pos0", 3}, {"Pos1", 0}, {"Pos2", 1}, {"Pos3", 2}});
    TExtStringGrid* Grid = MakeGrid<TExtStringGrid>(clIniFile, IniFile());
    Grid->HideColumn(1);
    Grid->LoadColPositions();
    EXPECT_TRUE(Grid->IsHiddenColumn(1));
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Headers(Grid), "DABC") << "every column placed, then real column 1 hidden again";

    struct {
        const char* Name;
        TKeys Keys;
    } Cases[] = {
        {"duplicate", {{"Pos0", 1}, {"Pos1", 1}, {"Pos2", 0}, {"Pos3", 2}}},
        {"out of range", {{"Pos0", 1}, {"Pos1", 4}, {"Pos2", 0}, {"Pos3", 2}}},
        {"a key missing", {{"Pos0", 1}, {"Pos1", 0}, {"Pos3", 2}}},
        {"fewer than the columns", {{"Pos0", 1}, {"Pos1", 0}, {"Pos2", 2}}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        QFile::remove(IniFile());
        WriteIni(C.Keys);
        TExtStringGrid* Fresh = MakeGrid<TExtStringGrid>(clIniFile, IniFile());
        Fresh->MoveColumn(0, 1);
        EXPECT_THROW(Fresh->LoadColPositions(), EListError);
        EXPECT_EQ(Headers(Fresh), "BACD");
        EXPECT_EQ(Order(Fresh), "1,0,2,3");
        delete Fresh;
    }
}

TEST_F(ColumnOrderStoreTest, ColumnGridUsesCpKeysInIniFilesAndPosKeysElsewhere)
{
    TExtColumnGrid* Grid = MakeGrid<TExtColumnGrid>(clIniFile, IniFile());
    Grid->Loaded();
    for (int32_t c = 0; c < 4; ++c) Grid->Columns()->Items(c)->SetName(QString(QChar(u'a' + c)));
    Grid->MoveColumn(0, 2);
    Grid->SaveColPositions();
    {
        TIniFile File(IniFile());
        EXPECT_EQ(File.ReadInteger("Grid", "CP0", -1), 1);
        EXPECT_EQ(File.ReadInteger("Grid", "CP1", -1), 2);
        EXPECT_EQ(File.ReadInteger("Grid", "CP2", -1), 0);
        EXPECT_EQ(File.ReadInteger("Grid", "Pos0", -1), -1);
    }
    TExtColumnGrid* Loaded = MakeGrid<TExtColumnGrid>(clIniFile, IniFile());
    Loaded->Loaded();
    for (int32_t c = 0; c < 4; ++c) Loaded->Columns()->Items(c)->SetName(QString(QChar(u'a' + c)));
    Loaded->LoadColPositions();
    QString Names;
    for (int32_t c = 0; c < 4; ++c) Names += Loaded->Columns()->Items(c)->Name();
    EXPECT_EQ(Names, "bcad");
    EXPECT_EQ(Headers(Loaded), "BCAD");

    // In the registry the string grid's store keeps the order; the items move with the columns.
    const QString Key = QStringLiteral("Software\\KT\\ColumnGrid");
    Grid->ColumnSize()->SetLocation(clRegistry);
    Grid->ColumnSize()->SetKey(Key);
    Grid->SaveColPositions();
    EXPECT_EQ(TRegistryIniFile(Key).ReadInteger("Grid", "Pos2", -1), 0);
    EXPECT_EQ(TRegistryIniFile(Key).ReadInteger("Grid", "CP0", -1), -1);
    TExtColumnGrid* FromRegistry = MakeGrid<TExtColumnGrid>(clRegistry, Key);
    FromRegistry->Loaded();
    for (int32_t c = 0; c < 4; ++c) FromRegistry->Columns()->Items(c)->SetName(QString(QChar(u'a' + c)));
    FromRegistry->LoadColPositions();
    Names.clear();
    for (int32_t c = 0; c < 4; ++c) Names += FromRegistry->Columns()->Items(c)->Name();
    EXPECT_EQ(Names, "bcad");
    EXPECT_EQ(Headers(FromRegistry), "BCAD");
}

TEST_F(ColumnOrderStoreTest, PositionsOfColumnsPlainMovedAndGrouped)
{
    TExtStringGrid* Grid = MakeGrid<TExtStringGrid>(clRegistry, QString(), false);
    EXPECT_EQ(Grid->ColumnPosition(3), 3) << "never recorded";
    EXPECT_EQ(Grid->ColumnAtPosition(3), 3);
    Grid->MoveColumn(0, 2);
    struct {
        int32_t Initial, Position;
    } Cases[] = {{0, 2}, {1, 0}, {2, 1}, {3, 3}, {7, 7}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Initial);
        EXPECT_EQ(Grid->ColumnPosition(C.Initial), C.Position);
        if (C.Initial < 4) {
            EXPECT_EQ(Grid->ColumnAtPosition(C.Position), C.Initial);
        }
    }

    // With column 2 grouped, initial indexes from 2 on stand one place further left.
    TExtStringGrid* Grouped = MakeGrid<TExtStringGrid>(clRegistry, QString());
    Grouped->SetRowCount(4);
    for (int32_t r = 1; r < 4; ++r) Grouped->SetCells(2, r, r < 3 ? QStringLiteral("x") : QStringLiteral("y"));
    Grouped->Group(2);
    ASSERT_EQ(Grouped->GroupColumn(), 2);
    EXPECT_EQ(Grouped->ColumnAtPosition(1), 1);
    EXPECT_EQ(Grouped->ColumnAtPosition(2), 3);
    EXPECT_EQ(Grouped->ColumnPosition(3), 2);
    EXPECT_EQ(Grouped->ColumnPosition(1), 1);
}
