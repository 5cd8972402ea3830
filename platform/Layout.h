// Where the game's files live: beside the program (a portable folder, as built) or in an installed
// tree (data under share/games/duskbell, the saved game in the player's own data folder).
#pragma once
#include <QString>

enum class Layout { Portable, Installed };

// Decides the layout from the folder of the program, once at start; tests call it again.
// Portable when the game's data lies beside the program, installed when it lies in the tree
// the install rules make (program in P/games, data in P/share/games/duskbell).
void DecideLayout(const QString &programFolder);
Layout GameLayout();
// Where every file the game loads is read from; the current directory while the game runs.
QString DataFolder();
// The player's data and configuration folders: $XDG_DATA_HOME and $XDG_CONFIG_HOME when they are
// absolute, else ~/.local/share and ~/.config; a relative value is ignored, as the XDG rules say.
QString UserDataHome();
QString UserConfigHome();
// Where the saved game lives: the data folder when portable, UserDataHome()/duskbell when installed.
QString SaveFolder();
// The name of a saved-game file as the text-file readers take it: bare when it lies in the data
// folder (the current directory), else a full path in the save folder, which it creates.
QString SavePath(const QString &name);
