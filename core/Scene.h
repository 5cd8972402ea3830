// How every line of the game is shown on the campus window, and the click that paces the story.
#pragma once
#include <QString>

class Form;

// Shows text and speaker on the campus window; a non-empty code also changes picture and music.
void ShowScene(const QString &code, const QString &text, const QString &speaker);
// Keeps a line shown on the campus window for the lookback.
void RecordLine(const QString &speaker, const QString &text);
// Returns once the player has clicked (or pressed a key) after this call began.
void WaitClick();
// Ends a walk at a place where nobody is.
void ArriveAlone();
// Puts the window in the middle of the screen.
void CenterForm(Form &form);
// Picture code of the empty view of the player's location ("C30C" at the schoolyard).
QString EmptyPlaceCode();
// Music file for a picture code's girl digit, or "" when that digit has none.
QString MusicOfDigit(QChar digit);
