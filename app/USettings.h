// The program's folders, the settings file Quillan.xml and the paths of the open configuration's files.
#pragma once

#include <QString>

class TXMLDocument;

// Path_Exe from the program-folder service; Path_Master, Path_Projects and Path_Language in the data
// folder, each created (one level) when missing. A per-user data folder that cannot be created is
// reported in the exception box.
void Set_Program_Folders();
// The folder of the settings file and of MASTER, PROJECTS and LANGUAGE: Path_Exe, or the per-user
// data folder when Path_Exe cannot be written. Empty before Set_Program_Folders.
QString Data_Folder();
// $XDG_DATA_HOME/kt20418, or ~/.local/share/kt20418 when that variable is unset or not absolute.
QString User_Data_Folder();
// Data_Folder() + "/Quillan.xml".
QString Settings_File_Name();

// Sets Name_Project, Last_IP_Address, Current_Language and the four option flags from the settings
// file, each value with its default when the file, its group or its element is missing; a file that
// cannot be read or parsed counts as missing. Path_Project is emptied. Nothing is reported.
void Read_Settings_File(TXMLDocument& XML, const QString& FileName = Settings_File_Name());
// Rewrites the settings file whole with the seven values; raises EFCreateError when it cannot be saved.
void Write_Settings_File(TXMLDocument& XML, const QString& FileName = Settings_File_Name());

// A configuration name that stays one folder inside PROJECTS: not empty, not "." or "..", without
// a path separator.
bool Is_Valid_Project_Name(const QString& Name);
// Opens the configuration Name_Project when its folder exists in Path_Projects (true); otherwise
// no configuration is open and Name_Project is emptied. File paths are not touched.
bool Reopen_Last_Project();
// Makes Name the open configuration (none when it is not a valid name), then Set_Project_Files.
void Select_Project(const QString& Name);
// Derives File_ParGen and every rule-file path from Path_Project; all empty while no
// configuration is open.
void Set_Project_Files();
