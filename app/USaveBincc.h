// The device parameter image: the 2048-byte block built from ParGen.xml and written to bin/bank.bin.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

inline constexpr int32_t Bank_Block_Size = 2048;
inline constexpr int32_t Bank_Buffer_Size = 34816;

// Byte offsets of the fields the configurator sets; every other byte of the block is reserved (0).
enum : int32_t {
    Bank_Ofs_Baud_1 = 12,        // 32-bit, fixed 9600
    Bank_Ofs_IP = 40,            // 4 octets of the converter's address, first octet first
    Bank_Ofs_SM = 44,            // 4 octets of the subnet mask
    Bank_Ofs_GAT = 48,           // 4 octets of the gateway
    Bank_Ofs_App_Port = 52,      // 16-bit, 10000 (the update job's Application_Port)
    Bank_Ofs_EIP_Port = 54,      // 16-bit EtherNet/IP port
    Bank_Ofs_EIP_Port_2 = 56,    // 16-bit, its second copy
    Bank_Ofs_Baud_2 = 60,        // 32-bit, fixed 9600
    Bank_Ofs_NB_Input = 116,     // 32-bit signed input image size
    Bank_Ofs_NB_Output = 120,    // 32-bit signed output image size
    Bank_Ofs_PROFIBUS_ID = 129,  // 8-bit PROFIBUS station address
    Bank_Ofs_Fixed_128 = 648,    // 32-bit, 128 once built
    Bank_Ofs_Fixed_32 = 652,     // 32-bit, 32 once built
    Bank_Ofs_Checksum = 2044,    // 32-bit sum of the bytes before it
};

// The block as the device firmware reads it; multi-byte fields are little-endian.
struct TBank_Parameters {
    std::array<uint8_t, Bank_Block_Size> Bytes{};

    void Set8(int32_t Offset, uint8_t Value);
    void Set16(int32_t Offset, uint16_t Value);
    void Set32(int32_t Offset, uint32_t Value);
    uint32_t Get32(int32_t Offset) const;
    // The 32-bit sum of the unsigned bytes 0 to 2043.
    uint32_t Checksum() const;
};

using TBank_Buffer = std::array<uint8_t, Bank_Buffer_Size>;

extern TBank_Parameters Bank_Parameters;
// Finished blocks, appended one after the other; Bank_Buffer_Length bytes of it are in use
// (2048 after a build, 0 when the last build failed).
extern TBank_Buffer Bank_Buffer;
extern int32_t Bank_Buffer_Length;

// Path_Project + "/bin/bank.bin"; empty while no configuration is open.
QString Bank_File_Name();

// Builds the image (Build_Bank). A ParGen.xml that exists but cannot be read or parsed is reported
// in an error box naming it; the result is then false and no image is left to save.
bool Create_Bin();
// Writes the image built by Create_Bin to Bank_File_Name (Write_Bank_File), creating the bin
// folder when it is missing. A failed write is reported in an error box naming the file, the old
// file staying as it was; the result is then false. False without a box when no image was built.
bool Save_Bin();

// Every byte of Bank_Parameters to its default.
void Init_Bank_Parameters();
// The fixed values, then the values of File_ParGen when it exists; raises EFOpenError naming the
// file when it exists but cannot be read or parsed.
void Read_ParGen_Parameters();
// Stamps the checksum, copies the block into Buffer at Pos and returns the next free position;
// ERangeError when the block does not fit.
int32_t Append_Bank_Block(int32_t Pos, TBank_Buffer& Buffer);
// Builds the image from scratch into Bank_Buffer; raises as Read_ParGen_Parameters, leaving
// Bank_Buffer_Length 0.
void Build_Bank();
// Writes the first Bank_Buffer_Length bytes of Bank_Buffer as the whole bank file; raises
// EFCreateError naming the file when it cannot be written.
void Write_Bank_File();
