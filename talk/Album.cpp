#include "talk/Album.h"

#include "core/Balance.h"
#include "core/GameState.h"
#include "core/Scene.h"
#include "core/Views.h"
#include "platform/TextFile.h"
#include "talk/AlbumLines.h"

namespace {
constexpr int GirlPhotos = 6;
constexpr int GirlFour = 3;
bool picked = false;
int lastPointed = -1; // -1 when opened, -2 once the opening thought is shown, then the photo
} // namespace

void PickInAlbum() {
    picked = false;
    lastPointed = -1;
    View().sequence->OpenAlbum();
    View().sequence->CloseAlbum();
}

bool AlbumPickMade() {
    return picked;
}

namespace {
// Her thought under the album, kept for the lookback as every line the player saw.
void ShowThought(const QString &text) {
    View().sequence->AlbumThought(text);
    KeepLine({}, text);
}
} // namespace

void AlbumPhotoPointed(int index) {
    if (lastPointed == -1) {
        ShowThought(Str(AlbumOpening));
        lastPointed = -2;
    } else if (index != lastPointed && index >= 0 && index < static_cast<int>(AlbumThought.size())) {
        lastPointed = index;
        ShowThought(Str(AlbumThought[index]));
    }
}

void AlbumLensGesture() {
    G.ContactLensFlag = True;
}

void AlbumPhotoClicked(int index) {
    if (index < 0 || index >= GirlPhotos) return; // the boys' photos neither pick nor continue
    // A click while the pick's own wait is pending only ends that wait; so does a quick click that
    // comes after the wait has ended but before the page has closed: the pick is final.
    if (G.Clicked == 0 || picked) {
        PlayerClicked();
        return;
    }
    picked = true;
    ShowThought(Str(AlbumPicked));
    G.Clicked = 0;
    if (G.ContactLensFlag) {
        if (index == GirlFour)
            ShowThought(Str(AlbumPickedLenses));
        else
            G.ContactLensFlag = False;
    }
    WaitClick();
    G.TargetGirl = static_cast<Integer>(index + 1);
    G.Affection[G.TargetGirl] = static_cast<Integer>(G.Affection[G.TargetGirl] - AlbumPickCost);
    View().sequence->CloseAlbum();
}
