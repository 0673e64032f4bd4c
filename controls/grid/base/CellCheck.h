// TExtStringGridCheck: the base of the grid's pluggable cell checkers; it checks nothing itself.
#pragma once

#include "rtl/Component.h"

#include <QString>

#include <cstdint>

// A string grid calls its checker when a cell's editing ends (AutoCorrect, AutoMarkError) and for
// range checks (UseCorrect, UseMarkError), moving its current cell to each checked cell with
// GotoCell. A real checker overrides the four operations; the base returns texts unchanged.
class TExtStringGridCheck : public TComponent {
public:
    explicit TExtStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

    // S with its faulty parts marked in the grid's cell markup.
    virtual QString MarkError(int32_t ACol, int32_t ARow, const QString& S);
    // S corrected.
    virtual QString Correct(int32_t ACol, int32_t ARow, const QString& S);
    // Called before and after a range check.
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool Value) { FGotoCell = Value; }
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool Value) { FUseCorrect = Value; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool Value) { FUseMarkError = Value; }

private:
    bool FGotoCell = false;
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
};
