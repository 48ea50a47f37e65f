#pragma once
// The program's failure kinds. Each carries the message the user sees; the
// application-wide handler (ui/Application) shows it and the window stays usable.
#include <stdexcept>
#include <string>

#include <QString>

namespace tv {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// An entry that is empty or not a number: "'abc' is not a valid integer value".
class ConvertError : public Error { using Error::Error; };
// Integer division by zero: "Division by zero".
class DivByZeroError : public Error {
public:
    DivByZeroError() : Error(QStringLiteral("Division by zero")) {}
};
// Floating-point faults raised instead of producing infinities or NaN.
class MathError : public Error { using Error::Error; };
// A file that cannot be opened, written or closed: "File access denied", "I/O error 5".
class InOutError : public Error { using Error::Error; };

} // namespace tv
