// Fuzz target: ParGen.xml as the parameter image reads it.
#include "UComon.h"
#include "USaveBincc.h"

#include "rtl/Exceptions.h"

#include "FuzzFiles.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    File_ParGen = WriteInputFile(QStringLiteral("ParGen.xml"), Data, Size);

    try {
        Build_Bank();
    } catch (const Exception&) {
        // A file that does not parse leaves no image to write.
        if (Bank_Buffer_Length != 0) std::abort();
        return 0;
    }
    if (Bank_Buffer_Length != Bank_Block_Size) std::abort();
    // Whatever the file holds, the fixed values stand and the checksum covers the block.
    const TBank_Parameters& Bank = Bank_Parameters;
    if (Bank.Get32(Bank_Ofs_Baud_1) != 9600 || Bank.Get32(Bank_Ofs_Baud_2) != 9600 ||
        Bank.Get32(Bank_Ofs_Fixed_128) != 128 || Bank.Get32(Bank_Ofs_Fixed_32) != 32 ||
        (Bank.Get32(Bank_Ofs_App_Port) & 0xFFFF) != 10000 || Bank.Get32(Bank_Ofs_EIP_Port) != (44818u | (44818u << 16)))
        std::abort();
    if (Bank.Get32(Bank_Ofs_Checksum) != Bank.Checksum()) std::abort();
    for (int32_t I = 0; I < Bank_Block_Size; ++I)
        if (Bank_Buffer[static_cast<size_t>(I)] != Bank.Bytes[static_cast<size_t>(I)]) std::abort();
    return 0;
}
