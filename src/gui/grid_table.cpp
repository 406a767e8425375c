#include "gui/grid_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "gui/screen_widgets.h"
#include "util/texts.h"

namespace kv {

GridTable::GridTable(const QString& objectName, QWidget* parent) : QTableWidget(parent) {
    setObjectName(objectName);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    setFont(QFont("Liberation Mono"));
    setProperty("kvHint", QString(text::kGridHint));
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (activate) activate(row);
    });
}

std::vector<int> GridTable::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void GridTable::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0 && activate) {
        activate(currentRow());
        return;
    }
    const std::pair<bool, std::function<void()>*> commands[] = {
        {event->matches(QKeySequence::Copy), &copy},
        {event->matches(QKeySequence::Paste), &paste},
        {event->key() == Qt::Key_Delete, &remove},
    };
    for (const auto& [pressed, command] : commands)
        if (pressed && *command) {
            (*command)();
            return;
        }
    QTableWidget::keyPressEvent(event);
}

void GridTable::Refill(const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& rows) {
    setUpdatesEnabled(false);
    clear();
    setColumnCount(static_cast<int>(titles.size()));
    QStringList headers;
    for (const std::string& t : titles) headers << Q(t);
    setHorizontalHeaderLabels(headers);
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount() && c < static_cast<int>(rows[static_cast<size_t>(r)].size()); ++c)
            setItem(r, c, new QTableWidgetItem(Q(rows[static_cast<size_t>(r)][static_cast<size_t>(c)])));
    resizeColumnsToContents();
    setUpdatesEnabled(true);
}

}  // namespace kv
