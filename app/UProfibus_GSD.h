// The PROFIBUS GSD writer: the device description with one module per 64 bytes of the image sizes.
#pragma once

#include <QString>

#include <cstdint>

// The input and output image sizes in bytes, set by Create_GSD_File and written by Write_GSD_File.
extern int32_t GSD_Input_Len;
extern int32_t GSD_Output_Len;

// Highest module number: it is written as one identifier byte.
inline constexpr int32_t GSD_Max_Modules = 255;

// Number of modules for an image size: one per started 64 bytes, none for 0 or less.
int32_t GSD_Module_Count(int32_t Len);
// True when both sizes are 0 or more and their modules together fit GSD_Max_Modules.
bool GSD_Sizes_Valid(int32_t Input_Len, int32_t Output_Len);
// The chosen name when the first ".gsd" (in any case) in its name part ends it, else with ".gsd" appended.
QString GSD_File_Name(const QString& Chosen);

// The step: image sizes from File_ParGen, a save dialog in Path_Project, the overwrite question,
// then Write_GSD_File. Every failure is reported in a box: no ParGen.xml (or one whose sizes
// cannot be described), a ParGen.xml that cannot be read, a failed write. True when a file was written.
bool Create_GSD_File();
// Writes the whole GSD text for GSD_Input_Len and GSD_Output_Len to FileName: ASCII, CR LF after
// every line, no byte-order mark. Raises ERangeError for sizes GSD_Sizes_Valid refuses and
// EFCreateError when the file cannot be written (an existing one then stays as it was).
void Write_GSD_File(const QString& FileName);
