// Building the device parameter image and writing bin/bank.bin.
#include "USaveBincc.h"

#include "ParGenReader.h"
#include "UComon.h"

#include "rtl/AtomicFile.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "windows/Dialogs.h"

#include <QByteArray>

#include <algorithm>
#include <memory>

TBank_Parameters Bank_Parameters;
TBank_Buffer Bank_Buffer{};
int32_t Bank_Buffer_Length = 0;

namespace {

QString ProjectFile(const QString& Name)
{
    return Path_Project.isEmpty() ? QString() : IncludeTrailingPathDelimiter(Path_Project) + Name;
}

uint8_t LowByte(int32_t Value)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(Value) & 0xFF);
}

void SetOctets(int32_t Offset, const uint8_t (&Octets)[4])
{
    for (int32_t I = 0; I < 4; ++I) Bank_Parameters.Set8(Offset + I, Octets[I]);
}

} // namespace

void TBank_Parameters::Set8(int32_t Offset, uint8_t Value)
{
    Bytes.at(static_cast<size_t>(Offset)) = Value;
}

void TBank_Parameters::Set16(int32_t Offset, uint16_t Value)
{
    Set8(Offset, static_cast<uint8_t>(Value));
    Set8(Offset + 1, static_cast<uint8_t>(Value >> 8));
}

void TBank_Parameters::Set32(int32_t Offset, uint32_t Value)
{
    Set16(Offset, static_cast<uint16_t>(Value));
    Set16(Offset + 2, static_cast<uint16_t>(Value >> 16));
}

uint32_t TBank_Parameters::Get32(int32_t Offset) const
{
    uint32_t Value = 0;
    for (int32_t I = 3; I >= 0; --I) Value = (Value << 8) | Bytes.at(static_cast<size_t>(Offset + I));
    return Value;
}

uint32_t TBank_Parameters::Checksum() const
{
    uint32_t Sum = 0;
    for (int32_t I = 0; I < Bank_Ofs_Checksum; ++I) Sum += Bytes[static_cast<size_t>(I)];
    return Sum;
}

QString Bank_File_Name()
{
    return ProjectFile(QStringLiteral("bin") + PathDelim + QStringLiteral("bank.bin"));
}

void Init_Bank_Parameters()
{
    Bank_Parameters.Bytes.fill(0);
    Bank_Parameters.Set32(Bank_Ofs_Baud_1, 9600);
    SetOctets(Bank_Ofs_IP, {192, 168, 2, 205});
    SetOctets(Bank_Ofs_SM, {255, 255, 255, 0});
    SetOctets(Bank_Ofs_GAT, {255, 255, 255, 255});
    Bank_Parameters.Set16(Bank_Ofs_App_Port, 10000);
    Bank_Parameters.Set16(Bank_Ofs_EIP_Port, 10001);
    Bank_Parameters.Set16(Bank_Ofs_EIP_Port_2, 10001);
    Bank_Parameters.Set32(Bank_Ofs_Baud_2, 9600);
}

void Read_ParGen_Parameters()
{
    Bank_Parameters.Set32(Bank_Ofs_Fixed_32, 32);
    Bank_Parameters.Set32(Bank_Ofs_Fixed_128, 128);
    Bank_Parameters.Set16(Bank_Ofs_EIP_Port, 44818);
    Bank_Parameters.Set16(Bank_Ofs_EIP_Port_2, 44818);
    if (!FileExists(File_ParGen)) return;

    std::unique_ptr<TParGenReader> ParGen;
    try {
        ParGen = std::make_unique<TParGenReader>(File_ParGen);
    } catch (const Exception& E) {
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(File_ParGen, E.Message()));
    }
    const auto Octets = [&](TParGen_Element First, int32_t Offset, const int32_t (&Defaults)[4]) {
        for (int32_t I = 0; I < 4; ++I)
            Bank_Parameters.Set8(Offset + I, LowByte(ParGen->Int(ParGen_Octet(First, I), Defaults[I])));
    };
    Octets(pgIP1, Bank_Ofs_IP, {192, 168, 0, 5});
    Octets(pgSM1, Bank_Ofs_SM, {255, 255, 255, 0});
    Octets(pgGAT1, Bank_Ofs_GAT, {192, 168, 0, 1});
    // Read after the octets: a gateway that is not switched on overrides them.
    if (ParGen->Text(pgEN_GAT) != u"1") SetOctets(Bank_Ofs_GAT, {255, 255, 255, 255});
    Bank_Parameters.Set32(Bank_Ofs_NB_Input, static_cast<uint32_t>(ParGen->Int(pgNB_Input, 0)));
    Bank_Parameters.Set32(Bank_Ofs_NB_Output, static_cast<uint32_t>(ParGen->Int(pgNB_Output, 0)));
    Bank_Parameters.Set8(Bank_Ofs_PROFIBUS_ID, LowByte(ParGen->Int(pgID_DEV, 10)));
}

int32_t Append_Bank_Block(int32_t Pos, TBank_Buffer& Buffer)
{
    if (Pos < 0 || Pos > Bank_Buffer_Size - Bank_Block_Size)
        throw ERangeError(QStringLiteral("No room for a parameter block at %1").arg(Pos));
    Bank_Parameters.Set32(Bank_Ofs_Checksum, Bank_Parameters.Checksum());
    std::copy(Bank_Parameters.Bytes.begin(), Bank_Parameters.Bytes.end(), Buffer.begin() + Pos);
    return Pos + Bank_Block_Size;
}

void Build_Bank()
{
    Bank_Buffer_Length = 0;
    Init_Bank_Parameters();
    Read_ParGen_Parameters();
    Bank_Buffer_Length = Append_Bank_Block(0, Bank_Buffer);
}

void Write_Bank_File()
{
    const QString FileName = Bank_File_Name();
    if (FileName.isEmpty())
        throw EFCreateError(QStringLiteral("Cannot create file \"bin%1bank.bin\". No configuration is open").arg(PathDelim));
    // Only the bin folder is made: a configuration folder that has gone stays gone.
    const QString Folder = ExtractFileDir(FileName);
    if (!DirectoryExists(Folder)) CreateDir(Folder);
    WriteFileAtomic(FileName, QByteArray(reinterpret_cast<const char*>(Bank_Buffer.data()), Bank_Buffer_Length));
}

bool Create_Bin()
{
    try {
        Build_Bank();
        return true;
    } catch (const Exception& E) {
        Bank_Buffer_Length = 0;
        ShowExceptionBox(E);
        return false;
    }
}

bool Save_Bin()
{
    if (Bank_Buffer_Length <= 0) return false;
    try {
        Write_Bank_File();
        return true;
    } catch (const Exception& E) {
        ShowExceptionBox(E);
        return false;
    }
}
