// The game folder: where the program reads and writes everything by relative name.
#pragma once

#include <QString>

// Every shipped game folder holds this file, and no command of the program deletes it: it tells
// the game folder from any other folder, whatever the teacher did to the word lists.
inline constexpr char kGameFolderMarker[] = ".lurimba";

// Picks the folder (beside the program when it holds the game data and can be
// written, else a per-user folder filled from the shipped one), makes it
// current and returns it. Empty when no folder with game data could be found.
QString ChooseGameFolder(const QString& programFolder);

// Copies the shipped game folder into `to`, keeping every file already there.
void FillFromShipped(const QString& from, const QString& to);

// Makes the game folder current again (file dialogs may have moved it).
void RestoreStartDirectory();
QString StartDirectory();
void SetStartDirectory(const QString& folder);
