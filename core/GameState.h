// The one shared state of the game: every window and procedure reads and writes it directly.
#pragma once
#include <QString>
#include <array>
#include <cstdint>

using Integer = std::int16_t;

constexpr Integer True = -1; // flags are 0 / -1 and tested for non-zero
constexpr Integer False = 0;

enum : Integer { ModeWalking = 1, ModeTalking = 2, ModeFree = 3, ModePhone = 4, ModeEnding = 5 };

struct GameState {
    QString CrLf;
    Integer Clicked = 0;
    Integer GameMinute = 0;               // minutes since 4:30 PM
    std::array<Integer, 7> Affection{};   // heroines 1..6
    std::array<Integer, 7> MetFlag{};     // heroines 1..6, 0 or 1
    Integer TargetGirl = 0;               // picked in the album, 0 before
    QString Namae;                        // given name
    QString Myouji;                       // surname
    std::array<Integer, 6> OfferedTalk{}; // 1..5
    QString TalkCode;                     // encounter code of the girl present, or empty
    Integer ArriveMinute = 0;
    Integer Destination = 0;
    Integer PhoneCount = 0;
    Integer EndingNo = 0;
    QString MusicRequest;
    Integer ContactLensFlag = 0;
    Integer SerifTop = 0; // twips
    Integer Mode = 0;
    Integer Location = 0;
    QString MusicFile;
    Integer MusicOff = 0;
};

extern GameState G;

// True where closing the campus window offers to save: after the album pick and before the gate.
bool SaveOffered();

// Back to the values of a fresh process (tests start every case from here).
void ResetGameState();
