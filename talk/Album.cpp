#include "talk/Album.h"

#include "talk/DblAlbum.h"

void PickInAlbum() {
    Win<DblAlbum>().ShowModal();
    Unload<DblAlbum>();
}
