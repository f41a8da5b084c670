#pragma once

#include "base/Exception.h"

namespace brevolt::registry {

// Raised by Registry; the message names the value or key concerned.
class RegistryError : public Exception {
  public:
    using Exception::Exception;
};

// Raised by IniFile when the settings file cannot be written.
class IniFileError : public Exception {
  public:
    using Exception::Exception;
};

}  // namespace brevolt::registry
