#include "talk/DblAlbum.h"

#include "core/DblMain.h"
#include "core/GameState.h"
#include "platform/TextFile.h"
#include "talk/Album.h"
#include "talk/AlbumLines.h"

namespace {
struct Spot {
    int left, top, width, height;
};
// Photo frames on the album page (twips): three girls a row, the two boys in a narrow column.
constexpr std::array<Spot, 8> Photos = {{{120, 240, 1815, 2775},
                                         {2040, 240, 1815, 2775},
                                         {3960, 240, 1815, 2775},
                                         {120, 3240, 1815, 2775},
                                         {2040, 3240, 1815, 2775},
                                         {3960, 3240, 1815, 2775},
                                         {6480, 240, 1335, 2775},
                                         {6480, 3240, 1335, 2775}}};
// The photos as they lie on the page, for the arrow keys: two rows of three girls and a boy.
constexpr int PageColumns = 4;
constexpr std::array<int, 8> PageOrder = {0, 1, 2, 6, 3, 4, 5, 7};
} // namespace

DblAlbum::DblAlbum() {
    SetCaption(QStringLiteral("Duskbell  Album"));
    SetClientSize(7815, 6690);
    SetBackColor(QColor(250, 244, 230));
    SetBackPicture(LoadPicture(QStringLiteral("album.png")));
    for (int i = 0; i < 8; ++i) {
        const Spot &s = Photos[i];
        Label *spot = AddLabel(s.left, s.top, s.width, s.height);
        spot->SetMouseTracking(true);
        spot->MouseMove = [this, i](int, int, int, int) { Image1_MouseMove(i); };
        spot->MouseDown = [this, i](int button, int shift, int, int) { Image1_MouseDown(i, button, shift); };
        spot->Click = [this, i] { Image1_Click(i); };
        // A screen reader reads the photo as its name and the player's thought, the keys' way to the page.
        spot->SetAccessibleName(Str(AlbumName[i]));
        spot->SetAccessibleDescription(Str(AlbumThought[i]));
        // The focus frame, shown only on the photo the arrows have reached.
        spot->SetBorder(false);
        spot->SetBorderWidth(3);
        spot->SetForeColor(QColor(200, 40, 40));
        Image1[i] = spot;
    }
    Label1 = AddLabel(120, 6360, 7575, 255);
    Label1->SetFont(JFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75));
    Label1->SetForeColor(QColor(40, 32, 24));
    Label1->SetWordWrap(false);
}

void DblAlbum::Form_Load() {
    CenterForm(*this);
    Move(Left(), Top() - 100);
}

// The page stays open until a girl is picked.
void DblAlbum::Form_QueryUnload(bool &cancel, bool byUser) {
    if (byUser) cancel = true;
}

void DblAlbum::Form_Shown() {
    Activate();
}

void DblAlbum::Form_Unload() {
    // The keys go back to the story.
    if (IsLoaded<DblMain>()) Win<DblMain>().Activate();
}

void DblAlbum::Form_KeyDown(Key key, int) {
    if (key == Key::Enter) {
        if (KeyFocus >= 0) Image1_Click(KeyFocus);
        return;
    }
    if (key != Key::Left && key != Key::Right && key != Key::Up && key != Key::Down) return;
    int at = 0;
    for (int p = 0; p < 8; ++p)
        if (PageOrder[p] == KeyFocus) at = p;
    const int row = at / PageColumns, column = at % PageColumns;
    if (KeyFocus < 0)
        at = 0;
    else if (key == Key::Left)
        at = row * PageColumns + (column + PageColumns - 1) % PageColumns;
    else if (key == Key::Right)
        at = row * PageColumns + (column + 1) % PageColumns;
    else
        at = (1 - row) * PageColumns + column;
    if (KeyFocus >= 0) Image1[KeyFocus]->SetBorder(false);
    KeyFocus = PageOrder[at];
    Image1[KeyFocus]->SetBorder(true);
    Image1_MouseMove(KeyFocus);
}

void DblAlbum::Image1_MouseMove(int index) {
    AlbumPhotoPointed(index);
}

void DblAlbum::Image1_MouseDown(int, int button, int shift) {
    if (button == RightButton && shift > 0) AlbumLensGesture();
}

void DblAlbum::Image1_Click(int index) {
    AlbumPhotoClicked(index);
}
