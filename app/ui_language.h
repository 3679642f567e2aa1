#pragma once

#include <functional>
#include <string_view>

#include "model/message.h"

namespace morvane::app {

// Reads one environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The language of the whole run. Japanese when the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty begins with "ja"; English
// otherwise, and also when the program runs under a name that asks for it: a
// copy or link whose name, after the program's own name "morvane" (any letter
// case) and without an extension, ends in "e", such as morvanee or MorvaneE.
Language ChooseUiLanguage(const EnvironmentLookup& environment, std::string_view executablePath);

}  // namespace morvane::app
