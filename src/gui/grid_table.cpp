#include "gui/grid_table.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

#include "gui/screen_widgets.h"
#include "qt/translations.h"
#include "util/texts.h"

namespace kv {

GridTable::GridTable(const QString& objectName, QWidget* parent) : QTableWidget(parent) {
    setObjectName(objectName);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid; the arrows move in it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    FitRowsToFont();
    setProperty("kvHint", qt::Term(text::kGridHint));
    setAccessibleDescription(qt::Term(text::kGridHint));
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (activate) activate(row);
    });
}

// A row is one line of the font with a little air, whatever the scale.
void GridTable::FitRowsToFont() {
    const int height = fontMetrics().lineSpacing() + fontMetrics().lineSpacing() / 2;
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}

void GridTable::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitRowsToFont();
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
        {event->key() == Qt::Key_Insert, &insert},
    };
    for (const auto& [pressed, command] : commands)
        if (pressed && *command) {
            (*command)();
            return;
        }
    QTableWidget::keyPressEvent(event);
}

// Columns as wide as their contents; a name column last takes the room left.
// Short codes stand centred; names read from the left. The titles that are
// words are in the window's language.
void GridTable::Refill(const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& rows) {
    setUpdatesEnabled(false);
    clear();
    setColumnCount(static_cast<int>(titles.size()));
    QStringList headers;
    for (const std::string& t : titles) headers << QCoreApplication::translate("Columns", t.c_str());
    setHorizontalHeaderLabels(headers);
    // Whether a column holds names is a fact of its English title.
    const auto isName = [&titles](int c) { return Q(titles[static_cast<size_t>(c)]).contains("Name", Qt::CaseInsensitive); };
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount() && c < static_cast<int>(rows[static_cast<size_t>(r)].size()); ++c) {
            auto* item = new QTableWidgetItem(Q(rows[static_cast<size_t>(r)][static_cast<size_t>(c)]));
            item->setTextAlignment(isName(c) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            setItem(r, c, item);
        }
    QHeaderView* header = horizontalHeader();
    for (int c = 0; c < columnCount(); ++c) header->setSectionResizeMode(c, QHeaderView::Interactive);
    resizeColumnsToContents();
    const int air = fontMetrics().averageCharWidth() * 2;
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, columnWidth(c) + air);
    if (const int last = columnCount() - 1; last >= 0 && isName(last)) header->setSectionResizeMode(last, QHeaderView::Stretch);
    setUpdatesEnabled(true);
}

}  // namespace kv
