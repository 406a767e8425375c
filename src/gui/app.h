// The program's start: the services of a real run, the main window, and the
// two non-interactive modes (start-up benchmark, screenshots).
#pragma once

#include <QString>

namespace kv {

// Saves a PNG of every screen and dialog into folder; returns the count.
int SaveScreenshots(class MainWindow& window, const QString& folder);
// Times every change of screen with every group in use and the largest grid full; prints the figures.
void BenchmarkScreens(class MainWindow& window, const struct RadioSession& session);

}  // namespace kv
