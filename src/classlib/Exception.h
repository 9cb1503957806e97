// Errors raised by the class library and by event handlers.
#pragma once

#include <exception>
#include <string>

// Interface texts are UTF-16, as in the layouts; 8-bit strings are UTF-8.
using String = std::u16string;
using AnsiString = std::string;

class Exception : public std::exception
{
public:
    explicit Exception(String message);
    const String &Message() const { return message_; }
    const char *what() const noexcept override { return utf8_.c_str(); }

private:
    String message_;
    std::string utf8_;
};

// The silent error: handlers raise it to leave without a message.
class EAbort : public Exception
{
public:
    EAbort() : Exception(u"Operation aborted") {}
};

// A system resource ran out, such as the message timers.
class EOutOfResources : public Exception
{
public:
    using Exception::Exception;
};

// A layout could not be read.
class EReadError : public Exception
{
public:
    using Exception::Exception;
};

// A web view refused a request.
class EOleException : public Exception
{
public:
    using Exception::Exception;
};
