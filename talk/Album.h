// The class album: the player picks the girl he is after.
#pragma once

// Shows the album modally until a girl is picked, then closes it.
void PickInAlbum();
// A click on album photo 0..7 (six girls, then the two boys).
void AlbumPhotoClicked(int index);
// The right button with a modifier held on a photo: heroine 4's other look, if she is picked.
void AlbumLensGesture();
// The pointer (or the arrows) over photo 0..7: the player's thought about it.
void AlbumPhotoPointed(int index);
// The pick is made; clicks from now on only end its wait.
bool AlbumPickMade();
