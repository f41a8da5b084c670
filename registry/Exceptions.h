#pragma once

#include "base/Exception.h"

namespace brevolt::registry {

// Raised by TRegistry; the message names the value or key concerned.
class ERegistryException : public Exception {
  public:
    using Exception::Exception;
};

// Raised by TIniFile when the settings file cannot be written.
class EIniFileException : public Exception {
  public:
    using Exception::Exception;
};

}  // namespace brevolt::registry
