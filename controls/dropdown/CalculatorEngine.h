// TCalculatorEngine: the desk calculator's arithmetic over a display: running result, pending operation, entry state, memory.
#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

// The number the calculator shows and edits: the calculator drop-down's edit.
class TCalcDisplay {
public:
    virtual ~TCalcDisplay() = default;
    // The value text, without prefix and suffix.
    virtual QString Text() const = 0;
    // Puts a value text in; the display formats numbers its own way and leaves "Error" alone.
    virtual void SetText(const QString& Value) = 0;
    // The text as a number; 0 for "Error" or anything else that does not convert.
    virtual long double FloatValue() const = 0;
    virtual void SetFloatValue(long double Value) = 0;
    // Most characters the text may have; 0 for no limit.
    virtual int32_t MaxLength() const = 0;
};

// The operation codes of the calculator keys (the tags of the key panel).
enum : int32_t {
    ckAdd = 10, ckSubtract = 11, ckMultiply = 12, ckDivide = 13, ckSign = 14, ckDecimal = 15, ckClear = 16,
    ckEquals = 17, ckPercent = 18, ckBlank = 30, ckBack = 31, ckClearEntry = 32, ckMemoryClear = 33,
    ckMemoryRecall = 34, ckMemoryStore = 35, ckMemoryAdd = 36, ckSqrt = 37, ckReciprocal = 38
};

// Operations run at once from left to right (2 + 3 * 4 = 20). Division by zero, the square root of
// a negative value, 1/x of 0 and any result beyond the display's range show "Error" and clear the
// running result.
class TCalculatorEngine {
public:
    static inline const QString ErrorText = QStringLiteral("Error");

    explicit TCalculatorEngine(TCalcDisplay& Display) : FDisplay(Display) {}

    // A key of the panel by its tag; digit and point keys do nothing while the text is MaxLength long.
    void Key(int32_t Tag);
    // The operator characters of the closed edit: Enter and "=", "%", "*", "+", "-", "/", "C" and
    // "c". False for any other character.
    bool ClosedEditKey(QChar Key);
    // The characters of the open pop-up after the edit has taken them (Enter and Esc excepted):
    // the decimal separator, "%", operators, digits, "=", "C" and "c".
    void PopupKey(QChar Key);

    // Applies the pending operation to the display value and shows the running result.
    void Calculate();
    // Calculate, then Op (0 add, 1 multiply, 2 subtract, 3 divide) is pending.
    void OperatorEntry(int32_t Op);
    void CalcEquals();
    // The running result times the display value, over 100; nothing pending changes.
    void CalcPercent();
    // The display value: the text without thousand separators, converted; 0 when it does not convert.
    long double DisplayValue() const;

    // A new number starts with the next digit.
    void StartNewNumber();
    bool NewValue() const { return FNewval; }
    void SetNewValue(bool Value) { FNewval = Value; }
    // 0 while whole digits are typed; 10, 100 ... the divisor of the next decimal digit.
    int64_t Decimals() const { return FDecim; }
    long double PreviousValue() const { return FPrevval; }
    // -1 none, 0 add, 1 multiply, 2 subtract, 3 divide.
    int32_t PreviousOperation() const { return FPrevop; }
    long double Memory() const { return FMVal; }
    // The text is MaxLength characters long.
    bool Full() const;

private:
    void Digit(int32_t D);
    void Clear();
    // Shows Value, or "Error" (clearing the running result) when the display cannot hold it.
    bool Show(long double Value);
    void ShowError();

    TCalcDisplay& FDisplay;
    int64_t FDecim = 0;
    bool FNewval = false;
    long double FPrevval = 0;
    int32_t FPrevop = -1;
    long double FMVal = 0;
};
