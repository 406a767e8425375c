// kvprog --benchmark-screens: how long a change of screen takes, from the
// choice of a node to the window drawn, with every group in use and the
// largest grid full.
#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/channel_screens.h"
#include "gui/app.h"
#include "gui/main_window.h"
#include "rules/channel_lists.h"

namespace kv {
namespace {

// Every group usable, every marine slot of the USA group and every EXP channel in use.
RadioSettings Full(RadioSettings st) {
    for (UsableGroupSetup& group : st.UsableGroups) group.Enable = true;
    MarinePanel panel;
    panel.name = "BENCHMARK";
    for (int base = 1; CanAddMarineChannel(st.CHUSA); ++base) {
        panel.baseCh = base % 100;
        AddMarineRow(st, kUsaGroup, -1, panel);
    }
    for (int n = 0; n < kExpChannels; ++n) {
        ChannelRecord& ch = st.CHEXP[static_cast<size_t>(n)];
        ch.Enable = true;
        ch.LmrExp = n % 2 == 0;
        ch.Rxfreq = 150.0125 + n * 0.5;
        ch.Txfreq = ch.Rxfreq;
        ch.ChTag = "CHANNEL";
    }
    return st;
}

// Milliseconds from choosing the node to the window drawn, coming from "General".
double Switch(MainWindow& window, const QString& key) {
    window.SelectNodeByKey("General");
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    window.SelectNodeByKey(key);
    QApplication::sendPostedEvents();
    window.repaint();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

void BenchmarkScreens(MainWindow& window, const RadioSession& session) {
    window.ApplyChange("Benchmark", Full(session.settings));
    std::vector<std::pair<double, QString>> times;
    for (QTreeWidgetItem* item : window.findChild<QTreeWidget*>("tvTreeView")->findItems("*", Qt::MatchWildcard | Qt::MatchRecursive)) {
        const QString key = item->data(0, Qt::UserRole).toString();
        times.emplace_back(Switch(window, key), key);
    }
    std::sort(times.begin(), times.end());
    std::vector<double> grid;
    for (int i = 0; i < 21; ++i) grid.push_back(Switch(window, "PU"));
    std::sort(grid.begin(), grid.end());
    std::printf("kvprog screen switches: %zu screens, median %.1f ms, slowest %.1f ms (%s)\n", times.size(),
                times[times.size() / 2].first, times.back().first, times.back().second.toLocal8Bit().constData());
    std::printf("kvprog the largest grid (USA, %d rows), 21 switches: median %.1f ms, slowest %.1f ms\n",
                static_cast<int>(ListedRecords(session.settings.CHUSA).size()), grid[grid.size() / 2], grid.back());
}

}  // namespace kv
