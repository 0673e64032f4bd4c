// The rich edit's document: character attributes on a QTextDocument, and our RTF reader and writer.
#pragma once

#include "graphics/Colors.h"

#include <QString>
#include <QTextCharFormat>

#include <cstdint>
#include <optional>

class QTextDocument;

// The attributes a character carries, as the rich edit and RTF know them.
struct TRichChar {
    QString FontName;
    int32_t HalfPoints = 24;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    // clNone: the automatic colour (the control's font colour); highlight clNone: none.
    TColor Color = clNone;
    TColor Highlight = clNone;
    // Baseline shift in twips, positive up.
    int32_t Offset = 0;
    // 0 normal, 1 superscript, 2 subscript (\super, \sub).
    int32_t SuperSub = 0;

    bool operator==(const TRichChar&) const = default;
};

// What a character has when nothing else is said: the control's font.
struct TRichDefaults {
    QString FontName = QStringLiteral("MS Sans Serif");
    int32_t HalfPoints = 16;
};

// A font name as the rich edit keeps it: no control characters or ';', trimmed.
QString RichFontName(const QString& Name);
// The attributes of a QTextCharFormat the rich edit made; Defaults for what it lacks.
TRichChar RichCharOf(const QTextCharFormat& Format, const TRichDefaults& Defaults);
// A format carrying Char, laid out with the mapped font at 96 pixels per inch.
QTextCharFormat RichFormat(const TRichChar& Char);
// Paragraph alignment as RTF numbers it: 0 left, 1 centre, 2 right, 3 justified.
int32_t RichAlignmentOf(const QTextDocument& Document, int32_t Block);

// Replaces Document's content with what Rtf holds. Characters up to 0xFF are the file's bytes (read
// through \ansicpg, 1252 by default), characters above are themselves. Never fails: what it cannot
// read is skipped; groups nest at most 64 deep (deeper ones are skipped whole). A last \par ends the
// last paragraph instead of opening an empty one. False when Rtf is no RTF ("{\rtf" missing).
bool ReadRtf(QTextDocument& Document, const QString& Rtf, const TRichDefaults& Defaults);
// The RTF of Document: 7-bit, font and colour tables, each paragraph ended by \par.
QString WriteRtf(const QTextDocument& Document, const TRichDefaults& Defaults);
// The text as the rich edit gives it: paragraphs joined by CR LF, line breaks as CR LF.
QString RichPlainText(const QTextDocument& Document);
