#include "core/errors.h"

Exception::Exception(std::string message)
    : parts_{MessagePart{message, TextEncoding::Cp1250, false}}, message_(std::move(message)) {}

Exception::Exception(std::vector<MessagePart> parts) : parts_(std::move(parts)) {
    for (const MessagePart& part : parts_)
        message_ += part.bytes;
}

std::string EInOutError::MessageForCode(int errorCode) {
    switch (errorCode) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

EInOutError::EInOutError(int errorCode)
    : Exception(MessageForCode(errorCode)), errorCode_(errorCode) {}

EJPEG::EJPEG(int code) : Exception("JPEG error #" + std::to_string(code)), code_(code) {}
