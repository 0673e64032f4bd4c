// INI files: TCustomIniFile, the in-memory TMemIniFile and the write-through TIniFile.
#pragma once

#include "rtl/Exceptions.h"
#include "rtl/Object.h"
#include "rtl/Strings.h"
#include "rtl/TextEncoding.h"

#include <QString>

#include <cstdint>
#include <optional>

KT_DECLARE_EXCEPTION(EIniFileException, Exception);

// A store of sections holding Ident=Value lines. The typed reads and writes go through
// ReadString and WriteString: integers in decimal, read as StrToIntDef reads them ("$1F" and
// "0x1F" included); booleans written "1" / "0", read true for any non-zero integer; floats
// through FloatToStr / StrToFloatDef with the current format settings.
class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(const QString& FileName) : FFileName(FileName) {}

    const QString& FileName() const { return FFileName; }

    virtual QString ReadString(const QString& Section, const QString& Ident, const QString& Default) = 0;
    virtual void WriteString(const QString& Section, const QString& Ident, const QString& Value) = 0;
    virtual int32_t ReadInteger(const QString& Section, const QString& Ident, int32_t Default);
    virtual void WriteInteger(const QString& Section, const QString& Ident, int32_t Value);
    bool ReadBool(const QString& Section, const QString& Ident, bool Default);
    void WriteBool(const QString& Section, const QString& Ident, bool Value);
    virtual double ReadFloat(const QString& Section, const QString& Ident, double Default);
    virtual void WriteFloat(const QString& Section, const QString& Ident, double Value);

    // Strings receives the section's idents (it is cleared first).
    virtual void ReadSection(const QString& Section, TStrings* Strings) = 0;
    // Strings receives the section names (it is cleared first).
    virtual void ReadSections(TStrings* Strings) = 0;
    // Strings is cleared and receives "Ident=Value" for each ident of the section.
    virtual void ReadSectionValues(const QString& Section, TStrings* Strings);
    // A section exists when ReadSection finds an ident in it: a section without lines does not.
    bool SectionExists(const QString& Section);
    bool ValueExists(const QString& Section, const QString& Ident);
    virtual void EraseSection(const QString& Section) = 0;
    virtual void DeleteKey(const QString& Section, const QString& Ident) = 0;
    // Brings the file up to date with the object.
    virtual void UpdateFile() = 0;

private:
    QString FFileName;
};

// The file is read whole when the object is made (a missing file gives an empty store) and kept
// in memory; sections and idents are compared without regard to case.
//
// Reading a file: every line is trimmed; blank lines, lines starting with ';' and lines before the
// first section are dropped; "[name]" starts a section (its name trimmed); in a line holding '='
// the ident and the value are trimmed; a line without '=' is kept as it is (its ident is empty).
// Values are taken as they stand otherwise: quotes stay. A byte-order mark selects UTF-8 or
// UTF-16, else the file is Windows-1252, unless an encoding is given.
//
// Writing: WriteString replaces the line of an existing ident in place or appends "Ident=Value"
// to the section (added at the end when new); the value is not trimmed until the file is read
// again. UpdateFile writes every section as "[name]", its lines and an empty line, with CR LF line
// ends, in the encoding the file was read in (its byte-order mark included), through a temporary
// file; EFCreateError when the file cannot be written.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(const QString& FileName, std::optional<TTextEncoding> Encoding = std::nullopt);

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) override;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    void ReadSection(const QString& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    // The section's lines as they are held.
    void ReadSectionValues(const QString& Section, TStrings* Strings) override;
    void EraseSection(const QString& Section) override;
    void DeleteKey(const QString& Section, const QString& Ident) override;
    void UpdateFile() override;

    void Clear();
    // The whole store as the lines UpdateFile writes.
    void GetStrings(TStrings* List) const;
    // Replaces the store with List read as the lines of a file.
    void SetStrings(TStrings* List);

protected:
    // With ProfileRules, a line starting with '[' and holding ']' names a section up to its last
    // ']', whatever follows, as the system's profile functions read it.
    TMemIniFile(const QString& FileName, std::optional<TTextEncoding> Encoding, bool ProfileRules);

    // Reads the file again (an empty store when it is missing).
    void LoadValues();
    // The value of the ident; nothing when the section or the ident is missing.
    std::optional<QString> Value(const QString& Section, const QString& Ident) const;

private:
    // The lines of the section, nullptr when there is no such section.
    TStringList* SectionLines(const QString& Name) const;
    TStringList* AddSection(const QString& Name);

    std::optional<TTextEncoding> FGivenEncoding;
    TTextEncoding FEncoding = teANSI;
    bool FProfileRules = false;
    TStringList FSections{true};  // section names, each with its lines as a TStringList object
};

// An INI file that is read before every read and written after every change, as the system's
// profile functions do, so several objects on one file see each other's changes. Values read lose
// one pair of surrounding quotes (matching ' or ") and are cut to 2047 characters; a default given
// for a missing ident loses its trailing spaces. WriteString and EraseSection raise
// EIniFileException "Unable to write to <file>" when the file cannot be written; DeleteKey does
// not report it. Erasing a section or deleting an ident the file does not hold leaves the file
// untouched. Comments and blank lines of the file do not survive a write.
class TIniFile : public TMemIniFile {
public:
    explicit TIniFile(const QString& FileName) : TMemIniFile(FileName, std::nullopt, true) {}

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) override;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    void ReadSection(const QString& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    // "Ident=Value" with each value as ReadString gives it.
    void ReadSectionValues(const QString& Section, TStrings* Strings) override;
    void EraseSection(const QString& Section) override;
    void DeleteKey(const QString& Section, const QString& Ident) override;
    // Nothing to do: every change is in the file already.
    void UpdateFile() override {}

private:
    // Writes the store to the file; EIniFileException when that fails.
    void Flush();
};
