#include "core/Store.h"

#include "platform/Settings.h"

namespace {
const QString App = QStringLiteral("Velmor");
const QString Section = QStringLiteral("Duskwatch");
const QString RecordKey = QStringLiteral("CString");
const QString MyoujiKey = QStringLiteral("SavedMyouji");
const QString NamaeKey = QStringLiteral("SavedNamae");
} // namespace

QString ReadClearRecord() { return GetSetting(App, Section, RecordKey); }
bool WriteClearRecord(const QString &record) { return SaveSetting(App, Section, RecordKey, record); }
QString LastMyouji() { return GetSetting(App, Section, MyoujiKey); }
QString LastNamae() { return GetSetting(App, Section, NamaeKey); }
bool SaveLastNames(const QString &myouji, const QString &namae) {
    const bool surname = SaveSetting(App, Section, MyoujiKey, myouji);
    return SaveSetting(App, Section, NamaeKey, namae) && surname;
}
bool EraseStore() { return DeleteSetting(App, Section); }
QString StoreFile() { return SettingsFile(App); }
bool ClaimStoreForThisCopy() { return ClaimSingleCopy(App); }
