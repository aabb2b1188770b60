#pragma once
#include <stdexcept>
#include <QString>

// Errors that escape a handler are shown by the application's standard error report;
// these classes only let callers tell the kinds apart.
class EComponentError : public std::runtime_error {
public:
    explicit EComponentError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

class EOutOfResources : public EComponentError {
public:
    using EComponentError::EComponentError;
};
