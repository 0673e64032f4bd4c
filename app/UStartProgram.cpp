// Running the outside updater (or any program) and waiting a limited time for its end.
#include "UStartProgram.h"

#include "UComon.h"

#include "rtl/Exceptions.h"
#include "rtl/Files.h"

TProgramRun Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo, uint32_t LimitMs,
                          const QString& Directory)
{
    // Started programs get no window of ours here, so the show mode has nothing to choose.
    (void)tipo;
    // Only a failure to start is "not started"; anything else (out of memory) goes on up.
    try {
        return RunProgramAndWait(NomeSW, Parameter, Directory, LimitMs);
    } catch (const Exception&) {
        return prNotStarted;
    }
}

QString Updater_File_Name()
{
#ifdef Q_OS_WIN
    const QString Name = QStringLiteral("Ethernet_Update.exe");
#else
    const QString Name = QStringLiteral("Ethernet_Update");
#endif
    return IncludeTrailingPathDelimiter(Path_Exe) + Name;
}
