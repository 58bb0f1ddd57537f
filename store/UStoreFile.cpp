#include "store/UStoreFile.h"

#include "base/UErrors.h"
#include "store/UCollation.h"
#include "store/USqliteApi.h"

#include <QFile>
#include <QFileInfo>

QString StoreSchemaText() {
    QFile file(QStringLiteral(":/data/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw EStoreError(QStringLiteral("Схема базы данных не найдена"));
    return QString::fromUtf8(file.readAll());
}

void CreateStoreFile(const QString& path) {
    if (QFileInfo::exists(path))
        throw EStoreError(QStringLiteral("Файл «%1» уже существует").arg(path));
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = RegisterRussianText(db);
    char* error = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, StoreSchemaText().toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString reason = QString::fromUtf8(error ? error : sqlite3_errmsg(db));
        sqlite3_free(error);
        sqlite3_close(db);
        QFile::remove(path);
        throw EStoreError(QStringLiteral("Не удалось создать «%1»: %2").arg(path, reason));
    }
    sqlite3_close(db);
}
