#include "store/UStoreFailure.h"

#include "store/USqliteApi.h"

namespace {

QString Lead(TStoreAccess access, const QString& path) {
    switch (access) {
    case TStoreAccess::Open:
        return QStringLiteral("Не удалось открыть базу данных «%1»").arg(path);
    case TStoreAccess::Read:
        return QStringLiteral("Не удалось прочитать базу данных «%1»").arg(path);
    case TStoreAccess::Write:
        break;
    }
    return QStringLiteral("Не удалось записать в базу данных «%1»").arg(path);
}

QString Reason(int code) {
    if (code == SQLITE_READONLY_DIRECTORY)
        return QStringLiteral("папка с файлом доступна только для чтения");
    switch (code & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("файл доступен только для чтения");
    case SQLITE_FULL:
        return QStringLiteral("на диске нет места");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("база данных занята другой программой");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("файл базы данных повреждён");
    case SQLITE_IOERR:
        return QStringLiteral("ошибка чтения или записи диска");
    case SQLITE_CANTOPEN:
        return QStringLiteral("файл не удаётся открыть");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("данные не подходят к таблице");
    default:
        return QStringLiteral("база данных отклонила запрос");
    }
}

} // namespace

QString StoreFailureText(TStoreAccess access, const QString& path, int code,
                         const QString& engineText) {
    return Lead(access, path) + QStringLiteral(": ") + Reason(code) + QLatin1Char('\n') +
           engineText;
}
