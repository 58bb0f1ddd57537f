#pragma once
// Error types that end the current user action and reach the application's error box.

#include <QByteArray>
#include <QString>
#include <exception>

class EAppError : public std::exception {
public:
    explicit EAppError(const QString& message) : FText(message), FUtf8(message.toUtf8()) {}
    const char* what() const noexcept override { return FUtf8.constData(); }
    const QString& Message() const { return FText; }

private:
    QString FText;
    QByteArray FUtf8;
};

// A failure of the store: opening "KKAL.mdb", preparing or running a statement.
class EStoreError : public EAppError {
public:
    using EAppError::EAppError;
};

// A text that does not convert to the number that was asked for.
class EConvertError : public EAppError {
public:
    using EAppError::EAppError;
};
