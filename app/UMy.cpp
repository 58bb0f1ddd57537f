#include "app/UMy.h"

#include "platform/UProgramFolder.h"

#include <QSettings>

const QString kSettingsSection = QStringLiteral("lvRac");

QString ReadSetting(const QString& filePath, const QString& section, const QString& key,
                    const QString& defaultValue) {
    const QSettings settings(filePath, QSettings::IniFormat);
    const QString value = settings.value(section + QLatin1Char('/') + key).toString();
    return value.isEmpty() ? defaultValue : value;
}

bool WriteSetting(const QString& filePath, const QString& section, const QString& key,
                  const QString& value) {
    QSettings settings(filePath, QSettings::IniFormat);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString SettingsFilePath() {
    return ProgramFolder() + QStringLiteral("setting.ini");
}

bool ReadOption(const QString& key) {
    return ReadSetting(SettingsFilePath(), kSettingsSection, key, QStringLiteral("1")) ==
           QLatin1String("1");
}

void WriteOption(const QString& key, bool on) {
    WriteSetting(SettingsFilePath(), kSettingsSection, key,
                 on ? QStringLiteral("1") : QStringLiteral("0"));
}
