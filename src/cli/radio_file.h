// Loading the file a command works on into a session, in one call, whatever
// kind of file it is.
#pragma once

#include <string>

#include "model/session.h"

namespace kv::cli {

inline constexpr int kModelFromFile = -1;

// Loads an image file (.hex) into a session reset to the model's defaults.
// Without a model the identification word tells model types 5 and 6 apart.
// On failure returns false with one line naming the file and the reason.
bool LoadRadioFile(RadioSession& session, const std::string& file, int model, std::string& error);

}  // namespace kv::cli
