// The three conversation files. A file, record or line that is not there stops the game with a
// message naming the file and what is missing; no reader ever runs past the end of its file.
#pragma once
#include <QString>
#include <array>

inline constexpr const char *TalkCodeFile = "DblKCode.dat";
inline constexpr const char *TalkLineFile = "DblKaiwa.dat";
inline constexpr const char *ResponseFile = "DblResp.dat";

// The ten candidate talk numbers of an encounter code (exact, case-sensitive match), in slot order.
std::array<int, 10> ReadCandidates(const QString &code);
// The reply text of a talk number (the line from its fourth character on), placeholder untouched.
QString ReadReplyText(int talk);
// The response line to a talk number, searched from the section of the code onwards.
QString ReadResponseLine(const QString &code, int talk);
// Text and liking change of a response line ("012" + text + "-3").
QString ResponseText(const QString &line);
int ResponseChange(const QString &line);
// Numeric value of the first three characters of a line: its talk number.
int TalkNumberOf(QStringView line);
