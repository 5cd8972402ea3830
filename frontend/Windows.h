// The game's own windows as the views of its procedures.
#pragma once

// Installs the campus window, the reply window and the modal windows as the views in use.
void InstallWindowViews();
