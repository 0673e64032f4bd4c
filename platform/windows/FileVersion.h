// Version data of program modules: GetFileVersionInfoSize, GetFileVersionInfo and VerQueryValue
// over the modules this layer stands for, behind a service tests can replace.
#pragma once

#include "windows/Messages.h"

#include <QString>

#include <cstdint>

struct VS_FIXEDFILEINFO {
    uint32_t dwSignature = 0;
    uint32_t dwStrucVersion = 0;
    uint32_t dwFileVersionMS = 0;
    uint32_t dwFileVersionLS = 0;
    uint32_t dwProductVersionMS = 0;
    uint32_t dwProductVersionLS = 0;
    uint32_t dwFileFlagsMask = 0;
    uint32_t dwFileFlags = 0;
    uint32_t dwFileOS = 0;
    uint32_t dwFileType = 0;
    uint32_t dwFileSubtype = 0;
    uint32_t dwFileDateMS = 0;
    uint32_t dwFileDateLS = 0;
};
inline constexpr uint32_t VS_FFI_SIGNATURE = 0xFEEF04BD;

// Which modules carry version data (see os/Services.h for how tests replace a service).
class TModuleVersionService {
public:
    virtual ~TModuleVersionService() = default;
    // The version block of FileName, false when it has none. Here only the common-controls
    // library "comctl32.dll" (any case, any folder) has one: version 5.82.
    virtual bool FixedFileInfo(const QString& FileName, VS_FIXEDFILEINFO& Info);
};
TModuleVersionService* SetModuleVersionService(TModuleVersionService* Service);

// The size of the version data of FileName; 0 without any. Handle is set to 0.
uint32_t GetFileVersionInfoSize(const QString& FileName, uint32_t* Handle);
// Copies the version data (at most Len bytes) into Data; false without version data.
bool GetFileVersionInfo(const QString& FileName, uint32_t Handle, uint32_t Len, void* Data);
// SubBlock "\" points Buffer at the fixed file information inside Block; other blocks give false.
bool VerQueryValue(const void* Block, const QString& SubBlock, void** Buffer, UINT* Len);
