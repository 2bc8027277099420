#pragma once

#include <stdexcept>

namespace forms {

// Thrown by a property setter when the control refuses the value (a negative width, a font
// size of zero ...). The property keeps its previous value.
class PropertyError : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};

} // namespace forms
