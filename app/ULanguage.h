// The language table: built-in English texts, language files and the case-insensitive file lookup in a folder.
#pragma once

#include "UComon.h"

#include <QString>

#include <cstdint>

// Number of texts in the language table.
inline constexpr int32_t Lang_Default_Count = 2500;

// The built-in English text of a number; a single blank for numbers without one (and out of range).
QString Default_Language_Text(int32_t Number);

// Text Number of the language table, as every window reads its captions, hints and messages.
inline QString Lang(int32_t Number) { return Lang_Table->Strings(Number); }

// Clears Lang_Table (creating it when missing), adds the 2500 defaults in number order and sets
// Lang_Table_Size.
void Load_Default_Language();
// Overwrites entries of Lang_Table from the lines "STR<n> = <text>" of one language file. Raises
// EFOpenError when the file cannot be read; nothing is changed then.
void Read_Language_File(const QString& FileName);
// Load_Default_Language, then the file of Current_Language in Path_Language; when it is missing or
// unreadable Current_Language becomes "English" and English.lng is read when present.
void Load_Language();

// The full path of the file named FileName in Folder, found without regard to case (an exact match
// first); empty when there is none. Names holding a path separator never match.
QString Find_File_Ignore_Case(const QString& Folder, const QString& FileName);
// The language file of Language in Path_Language ("" when there is none).
QString Language_File_Name(const QString& Language);
