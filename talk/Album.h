// The class album: the player picks the girl he is after.
#pragma once

// Shows the album modally until a girl is picked, then unloads it.
void PickInAlbum();
