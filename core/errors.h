#pragma once
// The failures of the program. Every one carries a fixed message text and travels, uncaught,
// to the one error report of the shell. A message is bytes, as read or written; its pieces
// say what those bytes are, so that the report shows each in its own characters.

#include <exception>
#include <string>
#include <vector>

enum class TextEncoding {
    Cp1250, // the catalogue's text, and the program's own words (ASCII)
    System, // the system's: its reasons (strerror) and the paths it gives, in the locale's
};

struct MessagePart {
    std::string bytes;
    TextEncoding encoding = TextEncoding::Cp1250;
    bool path = false; // names a file: shown with the platform's separator
};

inline MessagePart SystemText(std::string bytes) {
    return {std::move(bytes), TextEncoding::System, false};
}
inline MessagePart PathText(std::string bytes, TextEncoding encoding) {
    return {std::move(bytes), encoding, true};
}

class Exception : public std::exception {
public:
    // Code page 1250 text.
    explicit Exception(std::string message);
    explicit Exception(std::vector<MessagePart> parts);
    // The bytes of every piece, joined.
    const std::string& Message() const { return message_; }
    const std::vector<MessagePart>& Parts() const { return parts_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::vector<MessagePart> parts_;
    std::string message_;
};

// File errors, with the operating system's or the reader's own code.
class EInOutError : public Exception {
public:
    EInOutError(int errorCode, std::string message)
        : Exception(std::move(message)), errorCode_(errorCode) {}
    EInOutError(int errorCode, std::vector<MessagePart> parts)
        : Exception(std::move(parts)), errorCode_(errorCode) {}
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
