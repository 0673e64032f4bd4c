// The cell checker base: its corrections and error marks leave the text as it is.
#include "grid/base/CellCheck.h"

QString TExtStringGridCheck::MarkError(int32_t, int32_t, const QString& S)
{
    return S;
}

QString TExtStringGridCheck::Correct(int32_t, int32_t, const QString& S)
{
    return S;
}
