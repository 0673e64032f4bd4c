// Edits and memos: typing through WM_CHAR and KeyPress, change events, the edit-control messages, limits, clipboard, undo and lines.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "rtl/Strings.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

namespace {

QString ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void SetClipboardText(const QString& Text)
{
    QGuiApplication::clipboard()->setText(Text);
}

class EditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 200);
        Form->Font()->SetName(QStringLiteral("Verdana"));
        Edit = Place<TEdit>(Form.get(), Bounds(10, 10, 150, 21));
        Other = Place<TEdit>(Form.get(), Bounds(10, 40, 150, 21));
        Memo = Place<TMemo>(Form.get(), Bounds(10, 70, 150, 80));
        Edit->OnChange = [this](TObject*) { ++Changes; };
        Form->Show();
        ProcessPendingEvents();
    }

    // The selection as EM_GETSEL reports it.
    static std::pair<uint32_t, uint32_t> Selection(TCustomEdit* Control)
    {
        uint32_t Start = 0, End = 0;
        Control->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
        return {Start, End};
    }

    static void SetSelection(TCustomEdit* Control, int32_t Start, int32_t End)
    {
        Control->Perform(EM_SETSEL, static_cast<WPARAM>(Start), End);
    }

    static TPoint PosFromChar(TCustomEdit* Control, int32_t Index)
    {
        return LParamToPoint(Control->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(Index), 0));
    }

    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    TEdit* Other = nullptr;
    TMemo* Memo = nullptr;
    int32_t Changes = 0;
};

// ---- Typing ----

TEST_F(EditTest, TypedCharactersGoThroughKeyPressWhichMayChangeOrDropThem)
{
    QString Seen;
    Edit->OnKeyPress = [&](TObject*, QChar& Key) {
        Seen += Key;
        if (Key == QLatin1Char('.')) Key = QChar();
        if (Key == QLatin1Char('x')) Key = QLatin1Char('*');
    };
    Input::TypeText(QStringLiteral("1.2x3"));
    EXPECT_EQ(Seen, QStringLiteral("1.2x3"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("12*3"));
    EXPECT_EQ(Edit->SelStart(), 4);
    EXPECT_EQ(Changes, 4);
    EXPECT_TRUE(Edit->Modified());
}

TEST_F(EditTest, AKeyPressThatMovesTheFocusOnAFullStopLetsAnAddressBeTypedAcrossEdits)
{
    for (TEdit* Octet : {Edit, Other}) {
        Octet->OnKeyPress = [this, Octet](TObject*, QChar& Key) {
            if (Key != QLatin1Char('.')) return;
            if (Octet == Edit && Other->CanFocus()) Other->SetFocus();
            Key = QChar();
        };
    }
    Input::TypeText(QStringLiteral("192.168."));
    EXPECT_EQ(Edit->Text(), QStringLiteral("192"));
    EXPECT_EQ(Other->Text(), QStringLiteral("168"));
    EXPECT_TRUE(Other->Focused());
}

TEST_F(EditTest, EditingKeysDeleteAndMoveAsInAnEditControl)
{
    struct TCase {
        const char* Name;
        std::vector<std::pair<uint16_t, TShiftState>> Keys;
        QString Text;
        std::pair<uint32_t, uint32_t> Selection;
    };
    const std::vector<TCase> Cases = {
        {"backspace", {{VK_BACK, {}}}, QStringLiteral("abc de"), {6, 6}},
        {"delete at the start", {{VK_HOME, {}}, {VK_DELETE, {}}}, QStringLiteral("bc def"), {0, 0}},
        {"shift+home selects", {{VK_LEFT, {}}, {VK_HOME, {ssShift}}}, QStringLiteral("abc def"), {0, 6}},
        {"up moves left in one line", {{VK_UP, {}}, {VK_UP, {}}}, QStringLiteral("abc def"), {5, 5}},
        {"delete removes the selection", {{VK_END, {}}, {VK_LEFT, {ssShift}}, {VK_LEFT, {ssShift}}, {VK_DELETE, {}}},
         QStringLiteral("abc d"), {5, 5}},
    };
    for (const TCase& Case : Cases) {
        Edit->SetText(QStringLiteral("abc def"));
        Edit->SetSelStart(7);
        for (const auto& [Key, Shift] : Case.Keys) Input::PressKey(Key, Shift);
        EXPECT_EQ(Edit->Text(), Case.Text) << Case.Name;
        EXPECT_EQ(Selection(Edit), Case.Selection) << Case.Name;
    }
}

TEST_F(EditTest, AClickPlacesTheCaretAtTheCharacterClicked)
{
    Edit->SetText(QStringLiteral("Hello world"));
    const TPoint At = PosFromChar(Edit, 4);
    Input::Click(Edit, {At.X + 1, At.Y + 3});
    EXPECT_EQ(Selection(Edit), std::make_pair(4u, 4u));
    Input::Click(Edit, {At.X + 1, At.Y + 3}, mbLeft, {ssShift});
    const TPoint End = PosFromChar(Edit, 9);
    Input::Click(Edit, {End.X + 1, End.Y + 3}, mbLeft, {ssShift});
    EXPECT_EQ(Edit->SelText(), QStringLiteral("o wor"));
}

TEST_F(EditTest, TabbingIntoAnEditSelectsItsTextAndClickingIntoItDoesNot)
{
    Other->SetText(QStringLiteral("selected"));
    Input::PressKey(VK_TAB);
    ASSERT_TRUE(Other->Focused());
    EXPECT_EQ(Other->SelText(), QStringLiteral("selected"));
    Edit->SetText(QStringLiteral("clicked"));
    Input::Click(Edit, {PosFromChar(Edit, 2).X + 1, 5});
    EXPECT_EQ(Edit->SelLength(), 0);
    EXPECT_EQ(Edit->SelStart(), 2);
}

TEST_F(EditTest, AltF4InAnEditClosesTheForm)
{
    Input::PressKey(VK_F4, {ssAlt});
    EXPECT_FALSE(Form->Visible());
}

// ---- Change events ----

TEST_F(EditTest, TextSetByProgramFiresOnChangeOnceWithOrWithoutAWindow)
{
    std::unique_ptr<TEdit> Loose(New<TEdit>(nullptr));
    for (TCustomEdit* Control : std::initializer_list<TCustomEdit*>{Edit, Memo, Loose.get()}) {
        int32_t Count = 0;
        Control->OnChange = [&](TObject*) { ++Count; };
        Control->SetText(QStringLiteral("abc"));
        EXPECT_EQ(Count, 1) << Control->ClassName().toStdString();
        Control->SetText(QStringLiteral("abc"));
        EXPECT_EQ(Count, 1) << Control->ClassName().toStdString();
        Control->SetSelText(QStringLiteral("d"));
        EXPECT_EQ(Count, 2) << Control->ClassName().toStdString();
        Control->OnChange = nullptr;
    }
    EXPECT_FALSE(Loose->HandleAllocated());
    EXPECT_EQ(Loose->Text(), QStringLiteral("dabc"));
}

TEST_F(EditTest, EnChangeGoesToTheParentAsWmCommandAndComesBackAsCnCommand)
{
    QStringList Log;
    const TWndMethod FormProc = Form->WindowProc();
    Form->SetWindowProc([&](TMessage& Message) {
        if (Message.Msg == WM_COMMAND && FindControl(TWMCommand(Message).Ctl()) == Edit)
            Log.append(QStringLiteral("form WM_COMMAND %1").arg(TWMCommand(Message).NotifyCode(), 0, 16));
        FormProc(Message);
    });
    const TWndMethod EditProc = Edit->WindowProc();
    Edit->SetWindowProc([&](TMessage& Message) {
        if (Message.Msg == CN_COMMAND) Log.append(QStringLiteral("edit CN_COMMAND %1").arg(TWMCommand(Message).NotifyCode(), 0, 16));
        EditProc(Message);
    });
    Edit->OnChange = [&](TObject*) { Log.append(QStringLiteral("OnChange")); };
    Input::TypeText(QStringLiteral("a"));
    EXPECT_EQ(Log, (QStringList{"form WM_COMMAND 300", "edit CN_COMMAND 300", "OnChange"}));
    Form->SetWindowProc(nullptr);
    Edit->SetWindowProc(nullptr);
}

TEST_F(EditTest, TextSetByProgramIsNotModifiedAndCannotBeUndone)
{
    Input::TypeText(QStringLiteral("x"));
    EXPECT_TRUE(Edit->Modified());
    EXPECT_TRUE(Edit->CanUndo());
    Edit->SetText(QStringLiteral("set"));
    EXPECT_FALSE(Edit->Modified());
    EXPECT_FALSE(Edit->CanUndo());
    EXPECT_EQ(Edit->SelStart(), 0);
}

// ---- Selection and replacement messages ----

TEST_F(EditTest, EmSetSelPutsTheCaretAtItsSecondPositionAndEmGetSelGivesTheRangeInOrder)
{
    Edit->SetText(QStringLiteral("0123456789"));
    struct TCase {
        int32_t Start;
        int32_t End;
        std::pair<uint32_t, uint32_t> Selection;
    };
    for (const TCase& Case : {TCase{2, 5, {2, 5}}, TCase{5, 2, {2, 5}}, TCase{0, -1, {0, 10}}, TCase{3, 99, {3, 10}}}) {
        SetSelection(Edit, Case.Start, Case.End);
        EXPECT_EQ(Selection(Edit), Case.Selection) << Case.Start << "," << Case.End;
        EXPECT_EQ(Edit->Perform(EM_GETSEL, 0, 0), static_cast<LRESULT>(MAKELONG(Case.Selection.first, Case.Selection.second)));
    }
    // The caret is where the second position put it: Shift+Left moves that end.
    SetSelection(Edit, 5, 2);
    Input::PressKey(VK_LEFT, {ssShift});
    EXPECT_EQ(Selection(Edit), std::make_pair(1u, 5u));
    // A start of -1 only drops the selection.
    SetSelection(Edit, -1, 0);
    EXPECT_EQ(Selection(Edit), std::make_pair(1u, 1u));
    Edit->SetSelStart(3);
    Edit->SetSelLength(4);
    EXPECT_EQ(Edit->SelText(), QStringLiteral("3456"));
}

TEST_F(EditTest, EmGetSelAnswersMinusOneWhenAPositionPassesSixteenBits)
{
    Edit->SetText(QString(70000, QLatin1Char('x')));
    struct TCase {
        int32_t Start;
        int32_t End;
        LRESULT Packed;
    };
    for (const TCase& Case : {TCase{10, 65535, MAKELONG(10, 65535)}, TCase{10, 65536, -1}, TCase{66000, 69000, -1}}) {
        SetSelection(Edit, Case.Start, Case.End);
        EXPECT_EQ(Edit->Perform(EM_GETSEL, 0, 0), Case.Packed) << Case.Start << "," << Case.End;
        // The pointers still get the whole positions.
        EXPECT_EQ(Selection(Edit), std::make_pair(static_cast<uint32_t>(Case.Start), static_cast<uint32_t>(Case.End)));
    }
    EXPECT_EQ(Edit->SelStart(), 66000);
    EXPECT_EQ(Edit->SelLength(), 3000);
}

TEST_F(EditTest, EmReplaceSelReplacesTheSelectionAndMayBeUndone)
{
    Edit->SetText(QStringLiteral("Hello world"));
    SetSelection(Edit, 6, 11);
    Changes = 0;
    Edit->Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(u"there"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("Hello there"));
    EXPECT_EQ(Selection(Edit), std::make_pair(11u, 11u));
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Edit->Modified());
    EXPECT_TRUE(Edit->CanUndo());
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), QStringLiteral("Hello world"));
    // Undoing again redoes.
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), QStringLiteral("Hello there"));
    // A replacement that cannot be undone empties the undo.
    Edit->SetSelText(QStringLiteral("!"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("Hello there!"));
    EXPECT_FALSE(Edit->CanUndo());
}

TEST_F(EditTest, TypingIsUndoneAsOneStep)
{
    Edit->SetText(QStringLiteral("ab"));
    Edit->SetSelStart(2);
    Input::TypeText(QStringLiteral("cde"));
    Input::PressKey('Z', {ssCtrl});
    EXPECT_EQ(Edit->Text(), QStringLiteral("ab"));
    Input::PressKey('Z', {ssCtrl});
    EXPECT_EQ(Edit->Text(), QStringLiteral("abcde"));
}

TEST_F(EditTest, EmPosFromCharAndEmCharFromPosAreInverse)
{
    const QString Text = QStringLiteral("Hello, wide World");
    Edit->SetText(Text);
    const auto Margins = static_cast<uintptr_t>(Edit->Perform(EM_GETMARGINS, 0, 0));
    EXPECT_EQ(PosFromChar(Edit, 0).X, LOWORD(Margins));
    int32_t PreviousX = -1;
    for (int32_t I = 0; I <= Text.size(); ++I) {
        const TPoint At = PosFromChar(Edit, I);
        EXPECT_GT(At.X, PreviousX) << I;
        PreviousX = At.X;
        const LRESULT Char = Edit->Perform(EM_CHARFROMPOS, 0, PointToLParam({At.X + 1, At.Y + 2}));
        EXPECT_EQ(LOWORD(static_cast<uintptr_t>(Char)), I);
        EXPECT_EQ(HIWORD(static_cast<uintptr_t>(Char)), 0);
    }
    EXPECT_EQ(Edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(Text.size() + 1), 0), -1);
    // Right of the text gives its end, outside the client area nothing.
    EXPECT_EQ(Edit->Perform(EM_CHARFROMPOS, 0, PointToLParam({Edit->ClientWidth() - 2, 5})), Text.size());
    EXPECT_EQ(Edit->Perform(EM_CHARFROMPOS, 0, PointToLParam({-3, 5})), -1);
}

TEST_F(EditTest, ARightAlignedEditEndsItsTextAtTheRightMargin)
{
    Edit->SetAlignment(taRightJustify);
    Edit->SetText(QStringLiteral("1234"));
    const auto Margins = static_cast<uintptr_t>(Edit->Perform(EM_GETMARGINS, 0, 0));
    EXPECT_NEAR(PosFromChar(Edit, 4).X, Edit->ClientWidth() - HIWORD(Margins), 1);
    EXPECT_GT(PosFromChar(Edit, 0).X, Edit->ClientWidth() / 2);
}

TEST_F(EditTest, TheSelectionShowsWithoutTheFocusOnlyWhenNotHidden)
{
    const auto Highlighted = [](TControl* Control) {
        const QImage Image = RenderControl(Control);
        const auto Rgb = static_cast<COLORREF>(ColorToRGB(clHighlight));
        for (int Y = 0; Y < Image.height(); ++Y)
            for (int X = 0; X < Image.width(); ++X)
                if (Image.pixel(X, Y) == qRgb(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb))) return true;
        return false;
    };
    Edit->SetText(QStringLiteral("selected"));
    Edit->SelectAll();
    EXPECT_TRUE(Highlighted(Edit));
    Other->SetFocus();
    EXPECT_FALSE(Highlighted(Edit));
    EXPECT_EQ(Edit->SelLength(), 8);
    Edit->SetHideSelection(false);
    EXPECT_TRUE(Highlighted(Edit));
}

// ---- Limits and states ----

TEST_F(EditTest, MaxLengthLimitsTypingAndPastingButNotTheProgram)
{
    Edit->SetMaxLength(3);
    EXPECT_EQ(Edit->Perform(EM_GETLIMITTEXT, 0, 0), 3);
    Input::TypeText(QStringLiteral("12345"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("123"));
    Edit->SetText(QStringLiteral("123456"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("123456"));
    Edit->Clear();
    SetClipboardText(QStringLiteral("abcdef"));
    Edit->PasteFromClipboard();
    EXPECT_EQ(Edit->Text(), QStringLiteral("abc"));
    Edit->SetMaxLength(0);
    EXPECT_EQ(Edit->MaxLength(), 0);
}

TEST_F(EditTest, AReadOnlyEditTakesNoTypingButSelectsAndCopies)
{
    Edit->SetText(QStringLiteral("fixed"));
    Edit->SetReadOnly(true);
    Edit->SetSelStart(5);
    Input::TypeText(QStringLiteral("x"));
    Input::PressKey(VK_BACK);
    Input::PressKey(VK_LEFT, {ssShift});
    Input::PressKey('X', {ssCtrl});
    EXPECT_EQ(Edit->Text(), QStringLiteral("fixed"));
    EXPECT_EQ(Edit->SelText(), QStringLiteral("d"));
    SetClipboardText({});
    Input::PressKey('C', {ssCtrl});
    EXPECT_EQ(ClipboardText(), QStringLiteral("d"));
    EXPECT_EQ(Changes, 1);
}

TEST_F(EditTest, APasswordEditShowsItsCharacterAndKeepsTheTextFromTheClipboard)
{
    Edit->SetPasswordChar(QLatin1Char('*'));
    Edit->SetText(QStringLiteral("secret"));
    Other->SetText(QStringLiteral("******"));
    Memo->SetFocus();
    EXPECT_EQ(RenderControl(Edit), RenderControl(Other));
    EXPECT_EQ(Edit->Text(), QStringLiteral("secret"));
    SetClipboardText(QStringLiteral("kept"));
    Edit->SelectAll();
    Edit->CopyToClipboard();
    Edit->CutToClipboard();
    EXPECT_EQ(ClipboardText(), QStringLiteral("kept"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("secret"));
}

TEST_F(EditTest, ReadOnlyAndPasswordMessagesSetAndClearTheirStyles)
{
    struct TCase {
        UINT Msg;
        WPARAM Value;
        uint32_t Style;
        bool Set;
    };
    const auto StyleOf = [this] { return static_cast<uint32_t>(GetWindowLong(Edit->Handle(), GWL_STYLE)); };
    for (const TCase& Case : {TCase{EM_SETREADONLY, 1, ES_READONLY, true}, TCase{EM_SETREADONLY, 0, ES_READONLY, false},
                              TCase{EM_SETPASSWORDCHAR, '*', ES_PASSWORD, true}, TCase{EM_SETPASSWORDCHAR, 0, ES_PASSWORD, false}}) {
        Edit->Perform(Case.Msg, Case.Value, 0);
        EXPECT_EQ((StyleOf() & Case.Style) != 0, Case.Set) << std::hex << Case.Msg << " " << Case.Value;
    }
    Edit->SetReadOnly(true);
    Edit->SetPasswordChar(QLatin1Char('#'));
    EXPECT_EQ(StyleOf() & (ES_READONLY | ES_PASSWORD), ES_READONLY | ES_PASSWORD);
    // A new window keeps them.
    Edit->SetAlignment(taCenter);
    EXPECT_EQ(StyleOf() & (ES_READONLY | ES_PASSWORD), ES_READONLY | ES_PASSWORD);
    EXPECT_TRUE(Edit->ReadOnly());
}

TEST_F(EditTest, TheCharacterCaseConvertsWhatComesIn)
{
    Edit->SetCharCase(ecUpperCase);
    Input::TypeText(QStringLiteral("abc"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("ABC"));
    Edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(Edit->Text(), QStringLiteral("abc"));
}

// ---- Clipboard ----

TEST_F(EditTest, TheClipboardKeysCutCopyAndPaste)
{
    Edit->SetText(QStringLiteral("one"));
    Input::PressKey('A', {ssCtrl});
    Input::PressKey('X', {ssCtrl});
    EXPECT_EQ(Edit->Text(), QString());
    EXPECT_EQ(ClipboardText(), QStringLiteral("one"));
    Input::PressKey('V', {ssCtrl});
    Input::PressKey(VK_INSERT, {ssShift});
    EXPECT_EQ(Edit->Text(), QStringLiteral("oneone"));
    SetClipboardText(QStringLiteral("two\r\nthree"));
    Input::PressKey('V', {ssCtrl});
    EXPECT_EQ(Edit->Text(), QStringLiteral("oneonetwo"));
}

// ---- Memo ----

TEST_F(EditTest, MemoLinesChangeTheTextAndTheTextTheLines)
{
    int32_t MemoChanges = 0;
    Memo->OnChange = [&](TObject*) { ++MemoChanges; };
    TStrings* Lines = Memo->Lines();
    Lines->Add(QStringLiteral("one"));
    Lines->Add(QStringLiteral("three"));
    Lines->Insert(1, QStringLiteral("two"));
    EXPECT_EQ(Memo->Text(), QStringLiteral("one\r\ntwo\r\nthree\r\n"));
    EXPECT_EQ(MemoChanges, 3);
    Lines->SetStrings(0, QStringLiteral("ONE"));
    Lines->Delete(2);
    EXPECT_EQ(Memo->Text(), QStringLiteral("ONE\r\ntwo\r\n"));
    EXPECT_EQ(Lines->Count(), 2);
    Memo->SetText(QStringLiteral("a\nb\rc"));
    EXPECT_EQ(Memo->Text(), QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(Lines->Count(), 3);
    EXPECT_EQ(Lines->Strings(2), QStringLiteral("c"));
    Lines->Add(QStringLiteral("d"));
    EXPECT_EQ(Memo->Text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    Lines->Clear();
    EXPECT_EQ(Lines->Count(), 0);
}

TEST_F(EditTest, TheMemoAnswersTheLineMessages)
{
    Memo->SetText(QStringLiteral("ab\r\ncde\r\n\r\nf"));
    EXPECT_EQ(Memo->Perform(EM_GETLINECOUNT, 0, 0), 4);
    for (const auto& [Line, Index, Length] : {std::tuple{0, 0, 2}, std::tuple{1, 4, 3}, std::tuple{2, 9, 0}, std::tuple{3, 11, 1}}) {
        EXPECT_EQ(Memo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Line), 0), Index) << Line;
        EXPECT_EQ(Memo->Perform(EM_LINELENGTH, static_cast<WPARAM>(Index), 0), Length) << Line;
        EXPECT_EQ(Memo->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(Index), 0), Line) << Line;
    }
    EXPECT_EQ(Memo->Perform(EM_LINEINDEX, 4, 0), -1);
    // A later line lies lower on the window.
    EXPECT_GT(PosFromChar(Memo, 4).Y, PosFromChar(Memo, 0).Y);
    const TPoint Second = PosFromChar(Memo, 5);
    const LRESULT Char = Memo->Perform(EM_CHARFROMPOS, 0, PointToLParam({Second.X + 1, Second.Y + 2}));
    EXPECT_EQ(LOWORD(static_cast<uintptr_t>(Char)), 5);
    EXPECT_EQ(HIWORD(static_cast<uintptr_t>(Char)), 1);
}

TEST_F(EditTest, LineMessagesOutsideTheTextAndOnASingleLine)
{
    Memo->SetText(QStringLiteral("ab\r\ncde"));
    Edit->SetText(QStringLiteral("single"));
    struct TCase {
        TCustomEdit* Control;
        UINT Msg;
        WPARAM W;
        LRESULT Expected;
    };
    for (const TCase& Case : {TCase{Memo, EM_LINELENGTH, 7, 3}, TCase{Memo, EM_LINELENGTH, 8, 0}, TCase{Memo, EM_LINELENGTH, 99, 0},
                              TCase{Memo, EM_LINEFROMCHAR, 99, 1}, TCase{Edit, EM_LINELENGTH, 3, 6}, TCase{Edit, EM_LINELENGTH, 9, 0},
                              TCase{Edit, EM_LINEINDEX, 0, 0}, TCase{Edit, EM_LINEFROMCHAR, 4, 0}})
        EXPECT_EQ(Case.Control->Perform(Case.Msg, Case.W, 0), Case.Expected)
            << (Case.Control == Memo ? "memo " : "edit ") << std::hex << Case.Msg << std::dec << " " << Case.W;
    // EM_GETLINE: a single-line edit gives its text for any line number, a memo nothing past its lines.
    for (const auto& [Control, Line, Expected] : {std::tuple{static_cast<TCustomEdit*>(Edit), 3, QStringLiteral("single")},
                                                  std::tuple{static_cast<TCustomEdit*>(Memo), 1, QStringLiteral("cde")},
                                                  std::tuple{static_cast<TCustomEdit*>(Memo), 2, QString()}}) {
        char16_t Buffer[16] = {16};
        const auto Copied = Control->Perform(EM_GETLINE, static_cast<WPARAM>(Line), reinterpret_cast<LPARAM>(Buffer));
        EXPECT_EQ(QString::fromUtf16(Buffer, Copied), Expected) << Line;
    }
    // EM_UNDO with nothing to undo: TRUE from a single-line edit, FALSE from a memo.
    EXPECT_EQ(Edit->Perform(EM_UNDO, 0, 0), 1);
    EXPECT_EQ(Memo->Perform(EM_UNDO, 0, 0), 0);
    EXPECT_EQ(Edit->Text(), QStringLiteral("single"));
}

TEST_F(EditTest, TheFormattingRectanglePlacesAMultiLineTextUntilTheEditIsResized)
{
    Memo->SetText(QStringLiteral("text"));
    const TRect Format = Rect(3, 3, Memo->ClientWidth() - 2, Memo->ClientHeight());
    Memo->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Format));
    EXPECT_EQ(PosFromChar(Memo, 0), (TPoint{3, 3}));
    TRect Reported;
    Memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Reported));
    EXPECT_EQ(Reported, Format);
    Memo->SetWidth(Memo->Width() + 10);
    Memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Reported));
    EXPECT_EQ(Reported.TopLeft(), (TPoint{LOWORD(static_cast<uintptr_t>(Memo->Perform(EM_GETMARGINS, 0, 0))), 0}));
    EXPECT_EQ(PosFromChar(Memo, 0), Reported.TopLeft());
    // A single-line edit keeps its own.
    Edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Format));
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Reported));
    EXPECT_NE(Reported, Format);
}

TEST_F(EditTest, EnterBreaksTheMemosLineOnlyWhileItWantsReturns)
{
    auto* Default = Place<TButton>(Form.get(), Bounds(200, 10, 75, 25));
    Default->SetDefault(true);
    int32_t Clicks = 0;
    Default->OnClick = [&](TObject*) { ++Clicks; };
    Memo->SetFocus();
    Input::TypeText(QStringLiteral("ab"));
    Input::PressKey(VK_RETURN);
    Input::TypeText(QStringLiteral("cd"));
    EXPECT_EQ(Memo->Text(), QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(Memo->Lines()->Count(), 2);
    EXPECT_EQ(Memo->SelStart(), 6);
    EXPECT_EQ(Clicks, 0);
    Memo->SetWantReturns(false);
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Memo->Text(), QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(Clicks, 1);
}

}  // namespace
