#include "gui/atis_screen.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/screen_widgets.h"
#include "report/converters.h"

namespace kv {
namespace {

// The group boxes carry the report's channel-group names.
QString GroupName(int k, int model) {
    static const char* const names[] = {"USA", "INTL", "Canada"};
    return k < 3 ? QString(names[k]) : QString::fromStdString(LmrName(true, model) + " CH");
}

}  // namespace

AtisScreen::AtisScreen(ScreenContext context, QWidget* parent) : Screen(context, parent) {
    setObjectName("pictATIS");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Title(tr("ATIS Setup"), "lblATISTitle", this));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tbsATIS");
    tabs_->addTab(BuildCommonTab(), tr("ATIS Setup"));
    tabs_->addTab(BuildCallSignTab(), tr("Call Sign"));
    layout->addWidget(tabs_);
    OrderTabsAsShown(this);
    connect(tabs_, &QTabWidget::currentChanged, this, &AtisScreen::OnTabChanged);
    connect(qApp, &QApplication::focusChanged, this, &AtisScreen::OnFocusChanged);
}

// Focus moves while the fields are torn down: the handler must not see them.
AtisScreen::~AtisScreen() { disconnect(qApp, nullptr, this, nullptr); }

QWidget* AtisScreen::BuildCommonTab() {
    auto* panel = new QWidget;
    panel->setObjectName("pictATISCommon");
    auto* layout = new QVBoxLayout(panel);

    auto* groupBox = new QGroupBox(tr("Usable ATIS CH Group"), panel);
    groupBox->setObjectName("fraATISChGroup");
    auto* groupRow = new QHBoxLayout(groupBox);
    killerPanel_ = new QGroupBox(tr("Usable ATIS Killer CH Group"), panel);
    killerPanel_->setObjectName("pictATISKiller");
    auto* killerRow = new QHBoxLayout(killerPanel_);
    for (int k = 0; k < 4; ++k) {
        groups_[k] = new QCheckBox(groupBox);
        groups_[k]->setObjectName(Indexed("chkATISChGroup", k));
        groupRow->addWidget(groups_[k]);
        connect(groups_[k], &QCheckBox::toggled, this, [this, k](bool on) {
            if (Building() || !groups_[k]->isEnabled()) return;
            c_.session.settings.Atis.UsableAtisChGroup[k] = on;
            MarkChanged();
        });
        killers_[k] = new QCheckBox(killerPanel_);
        killers_[k]->setObjectName(Indexed("chkATISKiller", k));
        killerRow->addWidget(killers_[k]);
        connect(killers_[k], &QCheckBox::toggled, this, [this, k](bool on) {
            if (Building() || !killers_[k]->isEnabled()) return;
            c_.session.settings.Atis.UsableAtisKillerChGroup[k] = on;
            MarkChanged();
        });
    }
    layout->addWidget(groupBox);
    layout->addWidget(killerPanel_);

    auto* codeRow = new QHBoxLayout;
    code_ = new FieldEdit(Field::AtisCode, "txtATIScode", [this] { return Building(); }, panel);
    auto* codeLabel = LabelFor(tr("ATIS Code"), code_, panel);
    codeLabel->setObjectName("lblATIScode");
    connect(code_, &FieldEdit::edited, this, [this] { MarkChanged(); });
    codeRow->addWidget(codeLabel);
    codeRow->addWidget(code_);
    codeRow->addStretch();
    layout->addLayout(codeRow);
    layout->addStretch();
    return panel;
}

QWidget* AtisScreen::BuildCallSignTab() {
    auto* panel = new QWidget;
    panel->setObjectName("pictATISCallSign");
    // Two columns of ten entries, numbered from 1: Tab goes down the first, then the second.
    auto* columns = new QHBoxLayout(panel);
    QGridLayout* grid = nullptr;
    for (int i = 0; i < kCallSigns; ++i) {
        if (i % 10 == 0) {
            grid = new QGridLayout;
            columns->addLayout(grid);
            columns->addSpacing(fontMetrics().averageCharWidth() * 3);
            grid->addWidget(new QLabel(tr("No."), panel), 0, 0);
            grid->addWidget(new QLabel(tr("MID"), panel), 0, 1);
            grid->addWidget(new QLabel(tr("Display"), panel), 0, 2);
            grid->setRowStretch(11, 1);
        }
        const int row = 1 + i % 10;
        auto* number = new QLabel(QString::number(i + 1), panel);
        number->setObjectName(Indexed("lblATISNo", i));
        mids_[i] = new FieldEdit(Field::AtisMid, Indexed("txtATISMid", i), [this] { return Building(); }, panel);
        displays_[i] = new FieldEdit(Field::AtisDisp, Indexed("txtATISDisp", i), [this] { return Building(); }, panel);
        Name(mids_[i], tr("MID %1").arg(i + 1));
        Name(displays_[i], tr("Display %1").arg(i + 1));
        grid->addWidget(number, row, 0);
        grid->addWidget(mids_[i], row, 1);
        grid->addWidget(displays_[i], row, 2);
        connect(mids_[i], &FieldEdit::edited, this, [this, i] {
            c_.session.settings.Atis.CallSign[i].MID = mids_[i]->text().toStdString();
            MarkChanged();
        });
        connect(displays_[i], &FieldEdit::edited, this, [this, i] {
            c_.session.settings.Atis.CallSign[i].Display = displays_[i]->text().toStdString();
            displays_[i]->clearChanged();
            MarkChanged();
        });
    }
    columns->addStretch();
    return panel;
}

void AtisScreen::Fill() {
    ScreenBuilding building(c_.editor);
    const AtisSetup& atis = c_.session.settings.Atis;
    for (int k = 0; k < 4; ++k) {
        groups_[k]->setText(GroupName(k, c_.session.model));
        groups_[k]->setChecked(atis.UsableAtisChGroup[k]);
        killers_[k]->setText(GroupName(k, c_.session.model));
        killers_[k]->setChecked(atis.UsableAtisKillerChGroup[k]);
    }
    killerPanel_->setVisible(IsDscModel(c_.session.model));
    code_->setStoredText(QString::fromStdString(atis.AtisCode));
    for (int i = 0; i < kCallSigns; ++i) {
        mids_[i]->setStoredText(QString::fromStdString(atis.CallSign[i].MID));
        displays_[i]->setStoredText(QString::fromStdString(atis.CallSign[i].Display));
    }
    tabs_->setCurrentIndex(0);
    OnTabChanged(0);
}

void AtisScreen::OnTabChanged(int index) {
    for (int i = 0; i < tabs_->count(); ++i) tabs_->widget(i)->setEnabled(i == index);
}

bool AtisScreen::CheckAtisCode(CheckMode mode) {
    std::string& stored = c_.session.settings.Atis.AtisCode;
    const auto result = CheckFixedLength(code_->text().toStdString(), 10, stored, mode);
    if (result.stored) {
        if (stored != *result.stored) {
            stored = *result.stored;
            MarkChanged();
        }
        code_->clearChanged();
        return true;
    }
    if (mode == CheckMode::Restoring) {
        code_->setStoredText(QString::fromStdString(result.fieldText));
        return false;
    }
    telling_ = true;
    c_.prompt.Show(DataErrorMessage(RuleOf(Field::AtisCode).errorTitle));
    telling_ = false;
    code_->setFocus();
    return false;
}

void AtisScreen::LeaveMid(int i) {
    const QString formatted = QString::fromStdString(FormatMid(mids_[i]->text().toStdString()));
    if (formatted != mids_[i]->text() || mids_[i]->changed()) {
        mids_[i]->setStoredText(formatted);
        std::string& stored = c_.session.settings.Atis.CallSign[i].MID;
        if (stored == formatted.toStdString()) return;
        stored = formatted.toStdString();
        MarkChanged(mids_[i]);  // the formatting belongs to the typing
    }
}

bool AtisScreen::ValidateActiveField() {
    if (code_->hasFocus()) return CheckAtisCode(CheckMode::Validating);
    return true;
}

void AtisScreen::OnFocusChanged(QWidget* old, QWidget* now) {
    if (telling_ || old == nullptr) return;
    for (int i = 0; i < kCallSigns; ++i)
        if (old == mids_[i]) LeaveMid(i);
    if (old != code_) return;
    // Moving on inside the screen validates; a click elsewhere (the tree,
    // the toolbar) silently restores a refused code.
    const bool inside = now != nullptr && isAncestorOf(now);
    if (inside) {
        if (!CheckAtisCode(CheckMode::Validating)) QTimer::singleShot(0, code_, [this] { code_->setFocus(); });
    } else if (code_->changed()) {
        CheckAtisCode(CheckMode::Restoring);
    }
}

}  // namespace kv
