// The program's start: the services of a real run, the main window, and the
// two non-interactive modes (start-up benchmark, screenshots).
#pragma once

#include <QString>

namespace kv {

// Saves a PNG of every screen and dialog into folder; returns the count.
int SaveScreenshots(class MainWindow& window, const QString& folder);

}  // namespace kv
