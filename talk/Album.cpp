#include "talk/Album.h"

void PickInAlbum() {}
