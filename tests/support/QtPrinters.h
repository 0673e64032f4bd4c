// Lets GoogleTest print Qt values in failure messages; force-included into every test.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& S, std::ostream* Out) { *Out << '"' << S.toStdString() << '"'; }
inline void PrintTo(const QStringList& L, std::ostream* Out)
{
    *Out << '[';
    for (qsizetype i = 0; i < L.size(); ++i) {
        if (i) *Out << ", ";
        PrintTo(L[i], Out);
    }
    *Out << ']';
}
inline void PrintTo(const QByteArray& B, std::ostream* Out) { *Out << "bytes(" << B.toHex(' ').toStdString() << ')'; }
