// Starting an outside program and waiting for it to end, and where the updater program lies.
#pragma once

#include "os/Services.h"

#include <QString>

#include <cstdint>

// Waiting limit of Start_Program in milliseconds.
inline constexpr uint32_t Start_Program_Limit = 150000;

// Starts NomeSW with the command line Parameter (tipo true asks for a hidden window, false for a normal
// one) and waits, in 10 ms pauses that process no window messages, until it ends or LimitMs have
// passed; it is never stopped. A program that cannot be started is not waited for. Nothing is
// reported; the result only tells what happened. The program runs in Directory, or in the current
// folder when it is empty.
TProgramRun Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo,
                          uint32_t LimitMs = Start_Program_Limit, const QString& Directory = QString());

// The outside updater in the program's folder: Path_Exe + "/Ethernet_Update" (".exe" on Windows).
QString Updater_File_Name();
