#pragma once

#include <stdexcept>
#include <string>

// A failure of the preview's media framework. The text is the framework's
// error text followed by " ($<code in hex>)."; it is not caught where it
// arises but ends the user action, and the application's top-level handler
// shows it in a message box.
class EDirectShowException : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
