#pragma once
// The settings file "setting.ini" beside the executable: one read or one write per call, so
// nothing of the file is held between calls.

#include <QString>

// The stored text, or the default when it is empty (absent key, section or file, or an empty
// value). Never writes and never reports an error.
QString ReadSetting(const QString& filePath, const QString& section, const QString& key,
                    const QString& defaultValue);
// Stores the value, creating the file and the section if needed; false when that fails.
bool WriteSetting(const QString& filePath, const QString& section, const QString& key,
                  const QString& value);

// The settings file of this program, and the section and keys of its display options.
QString SettingsFilePath();
extern const QString kSettingsSection;
// A display option is on only when its key reads exactly "1" (the default).
bool ReadOption(const QString& key);
void WriteOption(const QString& key, bool on);
