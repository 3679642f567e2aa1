#pragma once

#include <QString>

namespace morvane::app {

// The folder of the sample models: share/morvane/examples beside the
// program's own folder, as installed and as the build folder holds it, or
// else morvane/examples in the system's data folders (XDG_DATA_DIRS). Empty
// when there is none.
QString ExamplesFolder();

}  // namespace morvane::app
