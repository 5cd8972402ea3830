#include "core/Store.h"

#include "platform/Scale.h"
#include "platform/Settings.h"

namespace {
const QString App = QStringLiteral("Velmor");
const QString Section = QStringLiteral("Duskwatch");
const QString RecordKey = QStringLiteral("CString");
const QString MyoujiKey = QStringLiteral("SavedMyouji");
const QString NamaeKey = QStringLiteral("SavedNamae");
const QString DisplaySection = QStringLiteral("Display");
const QString ScaleKey = QStringLiteral("Scale");
// The campus window's client area and the largest window's (the album), in twips.
constexpr QSize CampusTw(5700, 4230), LargestTw(7815, 6690);
const QString AccessSection = QStringLiteral("Access");
const QString VoiceKey = QStringLiteral("SelfVoicing");
const QString SlowClockKey = QStringLiteral("SlowClock");
} // namespace

QString ReadClearRecord() {
    return GetSetting(App, Section, RecordKey);
}
bool WriteClearRecord(const QString &record) {
    return SaveSetting(App, Section, RecordKey, record);
}
QString LastMyouji() {
    return GetSetting(App, Section, MyoujiKey);
}
QString LastNamae() {
    return GetSetting(App, Section, NamaeKey);
}
bool SaveLastNames(const QString &myouji, const QString &namae) {
    const bool surname = SaveSetting(App, Section, MyoujiKey, myouji);
    return SaveSetting(App, Section, NamaeKey, namae) && surname;
}
bool EraseStore() {
    return DeleteSetting(App, Section);
}
bool SelfVoicingChosen() {
    return GetSetting(App, AccessSection, VoiceKey) == QLatin1String("1");
}
bool StoreSelfVoicing(bool on) {
    return SaveSetting(App, AccessSection, VoiceKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}
int SlowClockChosen() {
    return GetSetting(App, AccessSection, SlowClockKey).toInt();
}
bool StoreSlowClock(int seconds) {
    return SaveSetting(App, AccessSection, SlowClockKey, QString::number(seconds));
}
QString StoreFile() {
    return SettingsFile(App);
}
bool ClaimStoreForThisCopy() {
    return ClaimSingleCopy(App);
}

void UseChosenScale() {
    StartFormScale(GetSetting(App, DisplaySection, ScaleKey).toInt(), CampusTw, LargestTw);
    OnFormScaleChanged([](int scale) { SaveSetting(App, DisplaySection, ScaleKey, QString::number(scale)); });
}
