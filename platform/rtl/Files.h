// File names, files and folders with the toolkit's rules, on the platform's path separator.
#pragma once

#include "rtl/DateTime.h"

#include <QChar>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

inline constexpr QChar PathDelim = u'/';

// File attributes as the toolkit numbers them. FindFirst reports faReadOnly (owner may not write),
// faHidden (name starts with "."), faSysFile (neither file nor folder: device, pipe, socket),
// faDirectory and faArchive (a regular file); the others never occur here.
inline constexpr int32_t faReadOnly = 0x00000001;
inline constexpr int32_t faHidden = 0x00000002;
inline constexpr int32_t faSysFile = 0x00000004;
inline constexpr int32_t faVolumeID = 0x00000008;
inline constexpr int32_t faDirectory = 0x00000010;
inline constexpr int32_t faArchive = 0x00000020;
inline constexpr int32_t faNormal = 0x00000080;
inline constexpr int32_t faTemporary = 0x00000100;
inline constexpr int32_t faSymLink = 0x00000400;
inline constexpr int32_t faCompressed = 0x00000800;
inline constexpr int32_t faEncrypted = 0x00004000;
inline constexpr int32_t faVirtual = 0x00010000;
inline constexpr int32_t faAnyFile = 0x000001FF;

// S plus a trailing delimiter when it lacks one ("" gives "/").
QString IncludeTrailingPathDelimiter(const QString& S);
// S without one trailing delimiter.
QString ExcludeTrailingPathDelimiter(const QString& S);
// Everything up to and including the last delimiter; "" without one.
QString ExtractFilePath(const QString& FileName);
// The folder part without its trailing delimiter, which stays for the root ("/x" gives "/") and
// when it follows another delimiter ("a//b" gives "a//").
QString ExtractFileDir(const QString& FileName);
// Everything after the last delimiter.
QString ExtractFileName(const QString& FileName);
// From the last "." of the name part on ("a.b.TXT" gives ".TXT", ".ini" gives ".ini"); "" when the
// name part has no dot.
QString ExtractFileExt(const QString& FileName);
// FileName with its extension (as ExtractFileExt finds it) replaced by Extension, which carries
// its own dot.
QString ChangeFileExt(const QString& FileName, const QString& Extension);
// The absolute form of FileName: relative to the current folder, "." and ".." resolved, doubled
// delimiters collapsed, a trailing delimiter kept; links are not followed. "" stays "".
QString ExpandFileName(const QString& FileName);
// DestName relative to the folder of BaseName (BaseName ending in a delimiter is that folder
// itself), e.g. ("/a/b/", "/a/c/d.txt") gives "../c/d.txt". Names compare with case, as the
// platform's file names do.
QString ExtractRelativePath(const QString& BaseName, const QString& DestName);

// True for an existing file that is not a folder (links followed).
bool FileExists(const QString& FileName);
bool DirectoryExists(const QString& Directory);
// Creates one folder; false when it exists or its parent does not.
bool CreateDir(const QString& Dir);
// Creates Dir and every missing folder above it; true when Dir exists afterwards. Raises
// EInOutError "Unable to create directory" for an empty name.
bool ForceDirectories(const QString& Dir);
// Removes an empty folder.
bool RemoveDir(const QString& Dir);
// Deletes a file; false for a folder or a missing file.
bool DeleteFile(const QString& FileName);
// Renames or moves a file or folder; false when NewName already exists (it is never replaced).
bool RenameFile(const QString& OldName, const QString& NewName);
// The modification time of a file (not a folder) as a packed date-time (see TSearchRec::Time); -1
// when there is no such file.
int32_t FileAge(const QString& FileName);
// The modification time of a file (not a folder) in local time; false when there is no such file.
bool FileAge(const QString& FileName, TDateTime& FileDateTime);
// The current folder, without a trailing delimiter.
QString GetCurrentDir();
bool SetCurrentDir(const QString& Dir);

struct TSearchState;

// One folder entry found by FindFirst, FindNext or FindFiles.
struct TSearchRec {
    // Local modification time packed as the toolkit's file date: bits 25-31 year - 1980, 21-24
    // month, 16-20 day, 11-15 hour, 5-10 minute, 0-4 seconds / 2; 0 outside the years 1980-2107.
    int32_t Time = 0;
    // 0 for folders.
    int64_t Size = 0;
    int32_t Attr = 0;
    QString Name;
    // The attributes that keep an entry out: those of faHidden, faSysFile, faDirectory not asked for.
    int32_t ExcludeAttr = 0;
    // Local modification time.
    TDateTime TimeStamp = 0;
    // The search FindNext continues; shared by copies of the record, released by FindClose.
    std::shared_ptr<TSearchState> FindHandle;
};

// The entries of Folder ("" for the current folder) whose names match Mask and whose attributes
// pass Attr, as FindFirst/FindNext deliver them. Mask: "*" any run, "?" one character, case
// ignored; a mask ending in ".*" also matches names without that extension ("*.*" matches all).
// Entries with faHidden, faSysFile or faDirectory are left out unless Attr holds that attribute;
// other attributes never exclude. "." and ".." come first (they are folders), the rest in the
// order of the toolkit's platform: by name, letters compared as capitals.
QList<TSearchRec> FindFiles(const QString& Folder, const QString& Mask, int32_t Attr);
// Starts a search for Path, a folder and a mask ("/data/*.lng"). Returns 0 and fills F with the
// first entry; 3 when the folder does not exist, 2 when nothing matches.
int32_t FindFirst(const QString& Path, int32_t Attr, TSearchRec& F);
// Fills F with the next entry and returns 0; 18 when there are no more.
int32_t FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);
