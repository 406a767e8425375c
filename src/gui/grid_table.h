// A grid whose rows run a command on double click or Enter, and whose
// selected rows are copied, pasted over and deleted with the usual keys.
#pragma once

#include <QTableWidget>
#include <functional>
#include <string>
#include <vector>

namespace kv {

class GridTable : public QTableWidget {
public:
    GridTable(const QString& objectName, QWidget* parent);
    std::function<void(int row)> activate;
    std::function<void()> copy, paste, remove, insert;
    // The selected rows, in order.
    std::vector<int> SelectedRows() const;
    // Fills titles and cells, with drawing suspended.
    void Refill(const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& rows);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FitRowsToFont();
};

}  // namespace kv
