#pragma once
#include <QString>

// The folder the program keeps its files in: the executable's folder, or the per-user data folder
// ($XDG_DATA_HOME/lattisor, default ~/.local/share/lattisor) when the executable's folder is not writable.
// Always ends with a path separator.
QString ProgramFolder();

// Chooses between an executable folder and the per-user data folder; exposed for tests.
QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// $XDG_DATA_HOME/lattisor or ~/.local/share/lattisor.
QString UserDataFolder();

// Lets a test run the program against a temporary folder; an empty path restores the default.
void SetProgramFolderOverride(const QString& folder);
