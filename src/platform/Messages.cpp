#include "platform/Messages.h"

namespace bitloom::msg {

std::string IoError(int code)
{
    return "I/O error " + std::to_string(code);
}

std::string NotAnInteger(std::string_view text)
{
    std::string s = "'";
    s += text;
    s += "' is not a valid integer value";
    return s;
}

std::string UnableToWrite(std::string_view path)
{
    std::string s = "Unable to write to ";
    s += path;
    return s;
}

} // namespace bitloom::msg

namespace bitloom {

std::string WithFullStop(std::string message)
{
    // Any byte of a multi-byte UTF-8 letter is above 0x7F and so sorts after ".".
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        message += '.';
    return message;
}

} // namespace bitloom
