// The per-user settings store: application, section, key; keys matched without regard to case.
#pragma once
#include <QString>

// Value of the key, "" when absent.
QString GetSetting(const QString &app, const QString &section, const QString &key);
// Saves the value at once; false when it could not be written to disk (the stored file is left as it
// was, and LastWriteFault() tells why).
bool SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value);
// Removes the whole section; false when that could not be written to disk.
bool DeleteSetting(const QString &app, const QString &section);
// The file that holds the application's settings, for telling the player where it should be.
QString SettingsFile(const QString &app);
// Tests point the store at a folder of their own.
void SetSettingsFolder(const QString &folder);
// Claims the application's store for this process until it ends; false when another running process
// holds it, so that two copies never write over each other's record.
bool ClaimSingleCopy(const QString &app);
