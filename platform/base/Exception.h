#pragma once
// The program's base exception: a message and a numeric code (the help context).
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    Exception(std::string message, int helpContext = 0)
        : Message(std::move(message)), HelpContext(helpContext) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
    int HelpContext;
};
