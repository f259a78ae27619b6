#pragma once
// The failures of the program. Every one carries a fixed message text (code page 1250 bytes)
// and travels, uncaught, to the one error report of the shell.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// File errors, with the operating system's or the reader's own code.
class EInOutError : public Exception {
public:
    EInOutError(int errorCode, std::string message)
        : Exception(std::move(message)), errorCode_(errorCode) {}
    // The message the reader shows for an error code: "File not found" for 2, and so on.
    explicit EInOutError(int errorCode);
    int ErrorCode() const { return errorCode_; }
    static std::string MessageForCode(int errorCode);

private:
    int errorCode_;
};

class EInvalidOperation : public Exception {
    using Exception::Exception;
};

class EInvalidGraphic : public Exception {
    using Exception::Exception;
};

class EFOpenError : public Exception {
    using Exception::Exception;
};

// A libjpeg error, numbered as in the version-6 message list.
class EJPEG : public Exception {
public:
    explicit EJPEG(int code);
    int Code() const { return code_; }

private:
    int code_;
};

class EPrinter : public Exception {
    using Exception::Exception;
};

// An allocation that failed: reported, and the program goes on.
class EOutOfMemory : public Exception {
public:
    EOutOfMemory() : Exception("Out of memory") {}
};

// The silent failure: abandons a handler without a report.
class EAbort : public Exception {
    using Exception::Exception;
};
