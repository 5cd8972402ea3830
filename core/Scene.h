// How every line of the game is shown on the campus window, and the click that paces the story.
#pragma once
#include <QString>
#include <utility>
#include <vector>

// Shows text and speaker on the campus window; a non-empty code also changes picture and music.
void ShowScene(const QString &code, const QString &text, const QString &speaker);
// Returns once the player has clicked (or pressed a key) after this call began.
void WaitClick();
// A click or a key that counts as one: ends the wait that is running.
void PlayerClicked();
// True while a line waits for the player's click.
bool LineWaiting();
// Ends a walk at a place where nobody is.
void ArriveAlone();
// Picture code of the empty view of the player's location ("C30C" at the schoolyard).
QString EmptyPlaceCode();
// Music file for a picture code's girl digit, or "" when that digit has none.
QString MusicOfDigit(QChar digit);
// This afternoon's lines, speaker and text, for the lookback; a new or resumed afternoon forgets them.
const std::vector<std::pair<QString, QString>> &AfternoonLines();
void ForgetAfternoonLines();
// Keeps a line the player saw outside the campus window's text, in order with the others.
void KeepLine(const QString &speaker, const QString &text);
// The speaker of the line on screen.
QString ShownSpeaker();
