#pragma once

#include <stdexcept>
#include <string>

// The one general failure of the program. Its message is fixed English text that callers may
// compare against, so it is kept exactly as given.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}

    std::string Message() const { return what(); }
};

// Failures of binary streams (picture lists, stored layouts).
class EStreamError : public Exception {
public:
    using Exception::Exception;
};

class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
