// How many pixels every window draws per pixel of its layout, chosen for the screen and changed by the
// player.
#pragma once
#include <QSize>
#include <functional>

constexpr int TwipsPerPixel = 15;

// The largest scale the pictures are built for: beyond it they are enlarged, no longer exact.
constexpr int LargestPictureScale = 3;
// The most the keys go to.
constexpr int LargestFormScale = 6;

// The whole scale, 1 unless chosen.
int FormScale();
// Sets the scale without laying anything out again: for the windows' seam, which does that.
void SetScaleValue(int scale);

// Twips to pixels and back at the windows' scale.
inline int Px(int twips) {
    return twips * FormScale() / TwipsPerPixel;
}
inline int Tw(int pixels) {
    return pixels * TwipsPerPixel / FormScale();
}

// The rest is the windows' seam's (Form.cpp), which lays every window out again.
// Draws every loaded window, its fonts and its pictures at the scale, each kept on its screen; tells
// the listener when the scale changed.
void SetFormScale(int scale);
// Called with the new scale whenever the player changes it.
void OnFormScaleChanged(std::function<void(int)> listener);

// Starts at the stored scale (0: none stored), held to what the screen has room for, or else at the
// fitting scale; the sizes are remembered for the keys.
void StartFormScale(int stored, QSize mainTw, QSize largestTw);
// The keys' step: one scale smaller (-1) or larger (+1), within what the screen has room for.
void StepFormScale(int step);

// The largest scale at which the main window (client size in twips) fits in about two thirds of the
// available height and the largest window fits the available area (both in desktop pixels, frames
// allowed for), without enlarging pictures past the largest scale they are built for.
int FittingScale(QSize available, double desktopRatio, int pictureScales, QSize mainTw, QSize largestTw);
// The largest scale at which the largest window fits the available area at all.
int RoomyScale(QSize available, QSize largestTw);
