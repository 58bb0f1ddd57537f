#include "app/UMy.h"

#include "app/UIniFile.h"
#include "platform/UProgramFolder.h"

#include <QFile>
#include <QSaveFile>

const QString kSettingsSection = QStringLiteral("lvRac");

namespace {

// The whole file in one read: the empty text when there is no file, nothing when it is there
// but cannot be read.
std::optional<QByteArray> ReadIniText(const QString& filePath) {
    QFile file(filePath);
    if (file.open(QIODevice::ReadOnly))
        return file.readAll();
    return file.exists() ? std::nullopt : std::optional<QByteArray>(QByteArray());
}

} // namespace

QString ReadSetting(const QString& filePath, const QString& section, const QString& key,
                    const QString& defaultValue) {
    const QString value =
        IniValue(ReadIniText(filePath).value_or(QByteArray()), section, key).value_or(QString());
    return value.isEmpty() ? defaultValue : value;
}

bool WriteSetting(const QString& filePath, const QString& section, const QString& key,
                  const QString& value) {
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return false;
    const std::optional<QByteArray> old = ReadIniText(filePath);
    if (!old)
        return false;
    const QByteArray text = WithIniValue(*old, section, key, value);
    // Written beside the file and renamed over it, so a crash never leaves half a file.
    QSaveFile file(filePath);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
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
