#include "gui/screen_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kv {
namespace {

void AddShown(QWidget* widget, std::vector<QWidget*>& out);

void AddShown(QLayout* layout, std::vector<QWidget*>& out) {
    const auto add = [&out](QLayoutItem* item) {
        if (item == nullptr) return;
        if (item->widget()) AddShown(item->widget(), out);
        else if (item->layout()) AddShown(item->layout(), out);
    };
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        std::vector<QLayoutItem*> seen;  // an item spanning cells comes once
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                if (QLayoutItem* item = grid->itemAtPosition(r, c); item && std::find(seen.begin(), seen.end(), item) == seen.end()) {
                    seen.push_back(item);
                    add(item);
                }
        return;
    }
    for (int i = 0; i < layout->count(); ++i) add(layout->itemAt(i));
}

void AddShown(QWidget* widget, std::vector<QWidget*>& out) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        out.push_back(tabs->tabBar());
        for (int i = 0; i < tabs->count(); ++i) AddShown(tabs->widget(i), out);
        return;
    }
    if (widget->focusPolicy() & Qt::TabFocus) out.push_back(widget);
    if (widget->layout()) AddShown(widget->layout(), out);
}

}  // namespace

QLabel* LabelFor(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    Name(control, text);
    return label;
}

void Name(QWidget* control, const QString& name) {
    QString plain = name;
    plain.remove('&');
    if (plain.endsWith(':')) plain.chop(1);
    control->setAccessibleName(plain.trimmed());
}

void FitCharacters(QWidget* field, int characters) {
    const QFontMetrics metrics = field->fontMetrics();
    // QLineEdit's own hint is 17 "x" wide plus the frame and margins of the style.
    int frame = 0;
    if (auto* edit = qobject_cast<QLineEdit*>(field)) frame = edit->sizeHint().width() - 17 * metrics.horizontalAdvance('x');
    field->setFixedWidth(metrics.horizontalAdvance(QString(characters, 'N')) + frame);
}

void OrderTabsAsShown(QWidget* root) {
    std::vector<QWidget*> shown;
    if (root->layout()) AddShown(root->layout(), shown);
    for (size_t i = 1; i < shown.size(); ++i) QWidget::setTabOrder(shown[i - 1], shown[i]);
}

QScrollArea* ScrolledScreen(QWidget* screen, bool fill) {
    auto* area = new QScrollArea;
    area->setObjectName(screen->objectName() + "Scroll");
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    if (fill) {
        area->setWidget(screen);
        return area;
    }
    // A form in a column of one width for every form, in the middle of a
    // wide window; a form that needs more keeps what it needs.
    auto* middle = new QWidget;
    auto* row = new QHBoxLayout(middle);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    // The form takes the room up to its width first; the margins the rest.
    screen->setSizePolicy(QSizePolicy::Expanding, screen->sizePolicy().verticalPolicy());
    screen->setMaximumWidth(std::max(screen->sizeHint().width(), screen->fontMetrics().averageCharWidth() * 100));
    row->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Preferred));
    row->addWidget(screen);
    row->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Preferred));
    area->setWidget(middle);
    return area;
}

}  // namespace kv
