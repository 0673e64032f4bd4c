// File names, files and folders.
#include "rtl/Files.h"

#include "rtl/Exceptions.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>

struct TSearchState {
    QList<TSearchRec> Found;
    qsizetype Position = 0;
};

namespace {

constexpr int32_t ErrorFileNotFound = 2;
constexpr int32_t ErrorPathNotFound = 3;
constexpr int32_t ErrorNoMoreFiles = 18;

QByteArray Native(const QString& Name)
{
    return QFile::encodeName(Name);
}

bool Stat(const QString& Name, struct stat& Info)
{
    return !Name.isEmpty() && ::stat(Native(Name).constData(), &Info) == 0;
}

// 0-based position of the last PathDelim (or Also) in S; -1 when there is none.
qsizetype LastDelimiter(const QString& S, QChar Also = PathDelim)
{
    for (qsizetype I = S.size() - 1; I >= 0; --I)
        if (S[I] == PathDelim || S[I] == Also) return I;
    return -1;
}

// Position of the extension's dot in FileName; -1 when the name part has none.
qsizetype ExtensionDot(const QString& FileName)
{
    const qsizetype I = LastDelimiter(FileName, QLatin1Char('.'));
    return I >= 0 && FileName[I] == QLatin1Char('.') ? I : -1;
}

// A file time of the platform, in local time, to the millisecond.
struct TLocalTime {
    explicit TLocalTime(const struct timespec& Time)
    {
        const QDateTime Local = QDateTime::fromMSecsSinceEpoch(qint64(Time.tv_sec) * 1000 + Time.tv_nsec / 1000000);
        D = Local.date();
        T = Local.time();
    }
    TDateTime Value() const
    {
        return EncodeDate(uint16_t(D.year()), uint16_t(D.month()), uint16_t(D.day()))
               + EncodeTime(uint16_t(T.hour()), uint16_t(T.minute()), uint16_t(T.second()), uint16_t(T.msec()));
    }
    // The toolkit's packed file date (see TSearchRec::Time).
    int32_t Packed() const
    {
        if (D.year() < 1980 || D.year() > 2107) return 0;
        const uint32_t Bits = uint32_t(D.year() - 1980) << 25 | uint32_t(D.month()) << 21 | uint32_t(D.day()) << 16
                              | uint32_t(T.hour()) << 11 | uint32_t(T.minute()) << 5 | uint32_t(T.second() / 2);
        return static_cast<int32_t>(Bits);
    }
    QDate D;
    QTime T;
};

// The status of a file that is not a folder.
bool StatFile(const QString& FileName, struct stat& Info)
{
    return Stat(FileName, Info) && !S_ISDIR(Info.st_mode);
}

bool SameLetter(QChar A, QChar B)
{
    return A == B || A.toUpper() == B.toUpper();
}

// "*" matches any run, "?" one character; greedy with a return to the last "*".
bool WildcardMatch(QStringView Name, QStringView Mask)
{
    qsizetype N = 0, M = 0, StarM = -1, StarN = 0;
    while (N < Name.size()) {
        if (M < Mask.size() && Mask[M] == QLatin1Char('*')) {
            StarM = M++;
            StarN = N;
        } else if (M < Mask.size() && (Mask[M] == QLatin1Char('?') || SameLetter(Mask[M], Name[N]))) {
            ++M;
            ++N;
        } else if (StarM >= 0) {
            M = StarM + 1;
            N = ++StarN;
        } else {
            return false;
        }
    }
    while (M < Mask.size() && Mask[M] == QLatin1Char('*')) ++M;
    return M == Mask.size();
}

bool MatchesMask(const QString& Name, const QString& Mask)
{
    return WildcardMatch(Name, Mask) || (Mask.endsWith(QLatin1String(".*")) && WildcardMatch(Name, QStringView(Mask).chopped(2)));
}

bool IsDotEntry(const QString& Name)
{
    return Name == QLatin1String(".") || Name == QLatin1String("..");
}

int32_t Attributes(const QString& Name, const struct stat& Info)
{
    int32_t Attr = 0;
    if (S_ISDIR(Info.st_mode)) Attr |= faDirectory;
    else if (S_ISREG(Info.st_mode)) Attr |= faArchive;
    else Attr |= faSysFile;
    if (!(Info.st_mode & S_IWUSR)) Attr |= faReadOnly;
    if (Name.startsWith(QLatin1Char('.')) && !IsDotEntry(Name)) Attr |= faHidden;
    return Attr;
}

// "." and ".." first, then by name with letters compared as capitals.
bool ListedBefore(const TSearchRec& A, const TSearchRec& B)
{
    const bool DotA = IsDotEntry(A.Name);
    const bool DotB = IsDotEntry(B.Name);
    if (DotA != DotB) return DotA;
    const int ByCapitals = A.Name.toUpper().compare(B.Name.toUpper());
    return ByCapitals != 0 ? ByCapitals < 0 : A.Name < B.Name;
}

void Advance(TSearchRec& F, const TSearchState& State)
{
    std::shared_ptr<TSearchState> Handle = std::move(F.FindHandle);
    F = State.Found[State.Position];
    F.FindHandle = std::move(Handle);
}

}  // namespace

QString IncludeTrailingPathDelimiter(const QString& S)
{
    return S.endsWith(PathDelim) ? S : S + PathDelim;
}

QString ExcludeTrailingPathDelimiter(const QString& S)
{
    return S.endsWith(PathDelim) ? S.chopped(1) : S;
}

QString ExtractFilePath(const QString& FileName)
{
    return FileName.left(LastDelimiter(FileName) + 1);
}

QString ExtractFileDir(const QString& FileName)
{
    qsizetype I = LastDelimiter(FileName);
    // The delimiter goes unless it is the root or follows another one.
    if (I > 0 && FileName[I - 1] != PathDelim) --I;
    return FileName.left(I + 1);
}

QString ExtractFileName(const QString& FileName)
{
    return FileName.mid(LastDelimiter(FileName) + 1);
}

QString ExtractFileExt(const QString& FileName)
{
    const qsizetype Dot = ExtensionDot(FileName);
    return Dot >= 0 ? FileName.mid(Dot) : QString();
}

QString ChangeFileExt(const QString& FileName, const QString& Extension)
{
    const qsizetype Dot = ExtensionDot(FileName);
    return (Dot >= 0 ? FileName.left(Dot) : FileName) + Extension;
}

QString ExpandFileName(const QString& FileName)
{
    if (FileName.isEmpty()) return QString();
    const QString Full = FileName.startsWith(PathDelim) ? FileName : IncludeTrailingPathDelimiter(GetCurrentDir()) + FileName;
    QStringList Parts;
    for (const QString& Part : Full.split(PathDelim, Qt::SkipEmptyParts)) {
        if (Part == QLatin1String("..")) {
            if (!Parts.isEmpty()) Parts.removeLast();
        } else if (Part != QLatin1String(".")) {
            Parts.append(Part);
        }
    }
    QString Result = PathDelim + Parts.join(PathDelim);
    if (Full.endsWith(PathDelim) && !Parts.isEmpty()) Result += PathDelim;
    return Result;
}

QString ExtractRelativePath(const QString& BaseName, const QString& DestName)
{
    // Both folder parts end in a delimiter, so each splits into its folder names and a last "".
    const QStringList Base = ExtractFilePath(BaseName).split(PathDelim);
    const QStringList Dest = ExtractFilePath(DestName).split(PathDelim);
    qsizetype Same = 0;
    while (Same < Base.size() && Same < Dest.size() && Base[Same] == Dest[Same]) ++Same;

    QString Result;
    for (qsizetype I = Same + 1; I < Base.size(); ++I) Result += QLatin1String("../");
    if (Same < Dest.size()) {
        if (!Dest[Same].isEmpty()) Result += Dest[Same] + PathDelim;
        if (Same + 1 < Dest.size()) Result += Dest.mid(Same + 1).join(PathDelim);
    }
    return Result + ExtractFileName(DestName);
}

bool FileExists(const QString& FileName)
{
    struct stat Info;
    return StatFile(FileName, Info);
}

bool DirectoryExists(const QString& Directory)
{
    struct stat Info;
    return Stat(Directory, Info) && S_ISDIR(Info.st_mode);
}

bool CreateDir(const QString& Dir)
{
    return ::mkdir(Native(Dir).constData(), 0777) == 0;
}

bool ForceDirectories(const QString& Dir)
{
    if (Dir.isEmpty()) throw EInOutError(QStringLiteral("Unable to create directory"));
    const QString Folder = ExcludeTrailingPathDelimiter(Dir);
    if (Folder.isEmpty() || DirectoryExists(Folder)) return true;
    const QString Parent = ExtractFilePath(Folder);
    return (Parent.isEmpty() || ForceDirectories(Parent)) && CreateDir(Folder);
}

bool RemoveDir(const QString& Dir)
{
    return ::rmdir(Native(Dir).constData()) == 0;
}

bool DeleteFile(const QString& FileName)
{
    return ::unlink(Native(FileName).constData()) == 0;
}

bool RenameFile(const QString& OldName, const QString& NewName)
{
    const QByteArray From = Native(OldName);
    const QByteArray To = Native(NewName);
    if (::renameat2(AT_FDCWD, From.constData(), AT_FDCWD, To.constData(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // The file system cannot refuse to replace by itself.
    struct stat Info;
    return ::lstat(To.constData(), &Info) != 0 && ::rename(From.constData(), To.constData()) == 0;
}

int32_t FileAge(const QString& FileName)
{
    struct stat Info;
    return StatFile(FileName, Info) ? TLocalTime(Info.st_mtim).Packed() : -1;
}

bool FileAge(const QString& FileName, TDateTime& FileDateTime)
{
    struct stat Info;
    if (!StatFile(FileName, Info)) return false;
    FileDateTime = TLocalTime(Info.st_mtim).Value();
    return true;
}

QString GetCurrentDir()
{
    char Buffer[PATH_MAX];
    return ::getcwd(Buffer, sizeof Buffer) ? QFile::decodeName(Buffer) : QString();
}

bool SetCurrentDir(const QString& Dir)
{
    return ::chdir(Native(Dir).constData()) == 0;
}

QList<TSearchRec> FindFiles(const QString& Folder, const QString& Mask, int32_t Attr)
{
    const QString Path = Folder.isEmpty() ? QStringLiteral("./") : IncludeTrailingPathDelimiter(Folder);
    DIR* Dir = ::opendir(Native(Path).constData());
    if (!Dir) return {};

    const int32_t ExcludeAttr = ~Attr & (faHidden | faSysFile | faDirectory);
    QList<TSearchRec> Found;
    while (const dirent* Entry = ::readdir(Dir)) {
        TSearchRec Rec;
        Rec.Name = QFile::decodeName(Entry->d_name);
        struct stat Info;
        // An entry that vanished since the folder was read is passed over.
        if (!MatchesMask(Rec.Name, Mask) || !Stat(Path + Rec.Name, Info)) continue;
        Rec.Attr = Attributes(Rec.Name, Info);
        if (Rec.Attr & ExcludeAttr) continue;
        Rec.ExcludeAttr = ExcludeAttr;
        Rec.Size = S_ISDIR(Info.st_mode) ? 0 : int64_t(Info.st_size);
        const TLocalTime Modified(Info.st_mtim);
        Rec.TimeStamp = Modified.Value();
        Rec.Time = Modified.Packed();
        Found.append(Rec);
    }
    ::closedir(Dir);
    std::sort(Found.begin(), Found.end(), ListedBefore);
    return Found;
}

int32_t FindFirst(const QString& Path, int32_t Attr, TSearchRec& F)
{
    F.FindHandle.reset();
    const QString Folder = ExtractFilePath(Path);
    if (!DirectoryExists(Folder.isEmpty() ? QStringLiteral(".") : Folder)) return ErrorPathNotFound;
    auto State = std::make_shared<TSearchState>();
    State->Found = FindFiles(Folder, ExtractFileName(Path), Attr);
    if (State->Found.isEmpty()) return ErrorFileNotFound;
    F.FindHandle = State;
    Advance(F, *State);
    return 0;
}

int32_t FindNext(TSearchRec& F)
{
    TSearchState* State = F.FindHandle.get();
    if (!State || State->Position + 1 >= State->Found.size()) return ErrorNoMoreFiles;
    ++State->Position;
    Advance(F, *State);
    return 0;
}

void FindClose(TSearchRec& F)
{
    F.FindHandle.reset();
}
