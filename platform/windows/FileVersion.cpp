// Version data of the modules the layer stands for.
#include "windows/FileVersion.h"

#include <algorithm>
#include <cstring>

namespace {

TModuleVersionService*& Installed()
{
    static TModuleVersionService* Instance = nullptr;
    return Instance;
}

TModuleVersionService& Current()
{
    static TModuleVersionService Real;
    return Installed() ? *Installed() : Real;
}

// The version data block: a tag, then the fixed file information.
struct TVersionBlock {
    char Tag[16] = "VS_VERSION_INFO";
    VS_FIXEDFILEINFO Fixed;
};

}  // namespace

bool TModuleVersionService::FixedFileInfo(const QString& FileName, VS_FIXEDFILEINFO& Info)
{
    // The module name after its folder, whichever separator the folder uses.
    const QString Name = FileName.mid(std::max(FileName.lastIndexOf(QLatin1Char('/')), FileName.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (Name.compare(QStringLiteral("comctl32.dll"), Qt::CaseInsensitive) != 0) return false;
    Info = VS_FIXEDFILEINFO();
    Info.dwSignature = VS_FFI_SIGNATURE;
    Info.dwStrucVersion = 0x00010000;
    Info.dwFileVersionMS = (5u << 16) | 82u;
    Info.dwProductVersionMS = Info.dwFileVersionMS;
    return true;
}

TModuleVersionService* SetModuleVersionService(TModuleVersionService* Service)
{
    TModuleVersionService* Old = Installed();
    Installed() = Service;
    return Old;
}

uint32_t GetFileVersionInfoSize(const QString& FileName, uint32_t* Handle)
{
    if (Handle) *Handle = 0;
    VS_FIXEDFILEINFO Info;
    return Current().FixedFileInfo(FileName, Info) ? sizeof(TVersionBlock) : 0;
}

bool GetFileVersionInfo(const QString& FileName, uint32_t, uint32_t Len, void* Data)
{
    TVersionBlock Block;
    if (!Data || !Current().FixedFileInfo(FileName, Block.Fixed)) return false;
    std::memcpy(Data, &Block, std::min<size_t>(Len, sizeof Block));
    return true;
}

bool VerQueryValue(const void* Block, const QString& SubBlock, void** Buffer, UINT* Len)
{
    if (!Block || !Buffer || SubBlock != QStringLiteral("\\")) return false;
    *Buffer = const_cast<void*>(static_cast<const void*>(&static_cast<const TVersionBlock*>(Block)->Fixed));
    if (Len) *Len = sizeof(VS_FIXEDFILEINFO);
    return true;
}
