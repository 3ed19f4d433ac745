// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/statistics_panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <utility>

#include "app/error_box.h"
#include "app/link_labels.h"
#include "app/view_text.h"
#include "app/widgets.h"
#include "stats/rate.h"

namespace skorlin::app {
namespace {

// The count labels in the order of their tags (1 to 5) and of the panel's first column.
struct CountLabelRow {
  const char* name;
  const char* caption;  // the design caption, shown until the first count
  const char* hint;
};
constexpr CountLabelRow kCountLabels[] = {
    {"lbStr", "Строк:", "Количество строк в текущем тексте\nв скобках - с пустыми"},
    {"lbSl", "Слов:", "Количество слов в текущем тексте"},
    {"lbBukv", "Букв:", "Количество букв в текущем тексте"},
    {"lbZn", "Знаков:", "Количество знаков в текущем тексте\nВ скобках - в килобайтах"},
    {"lbFull",
     "С пробелами:", "Количество знаков и пробелов в текущем тексте\nв скобках - с двойными, тройными"},
};

ClickLabel* MakeLabel(const char* name, const char* caption, const char* hint, int tag, QWidget* parent) {
  auto* label = new ClickLabel(Tr(caption), parent);
  label->setObjectName(QLatin1String(name));
  label->setToolTip(Tr(hint));
  label->tag = tag;
  return label;
}

}  // namespace

StatisticsPanel::StatisticsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Panel2"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 4, 8, 8);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(0);

  ClickLabel** counts[] = {&lbStr, &lbSl, &lbBukv, &lbZn, &lbFull};
  for (int i = 0; i < 5; ++i) {
    const CountLabelRow& row = kCountLabels[i];
    *counts[i] = MakeLabel(row.name, row.caption, row.hint, i + 1, this);
    grid->addWidget(*counts[i], i, 0);
  }

  edCena = new QLineEdit(QString::fromUtf8(stats::kDefaultRateText), this);
  edCena->setObjectName(QStringLiteral("edCena"));
  edCena->setToolTip(Tr("Цена за килобайт"));
  edCena->setMaximumWidth(64);
  connect(edCena, &QLineEdit::textChanged, this, &StatisticsPanel::rateChanged);
  auto* rate = new QHBoxLayout;
  rate->setSpacing(4);
  auto* rateCaption = new QLabel(Tr("За 1000 знаков:"), this);
  rateCaption->setBuddy(edCena);
  rate->addWidget(rateCaption);
  rate->addWidget(edCena);
  rate->addStretch(1);
  grid->addLayout(rate, 0, 1);
  lbCena = MakeLabel("lbCena", "Цена: 0", "Цена закилобайт текста", 0, this);
  lbCena2 = MakeLabel("lbCena2", "Цена: 0", "Цена закилобайт текста", 0, this);
  grid->addWidget(lbCena, 1, 1);
  grid->addWidget(lbCena2, 2, 1);

  CreateLinks(grid);
  // Two columns, each as wide as its longest label at least: a long count widens the
  // panel (and the window's minimum width) rather than cutting a label.
  for (int column = 0; column < 2; ++column) grid->setColumnStretch(column, 1);
  CreateCopyMenu();

  // The next slice as soon as the user's input has been handled.
  slices_.setSingleShot(true);
  slices_.setInterval(0);
  connect(&slices_, &QTimer::timeout, this, &StatisticsPanel::NextSlice);
}

void StatisticsPanel::CreateLinks(QGridLayout* grid) {
  for (const LinkLabel& link : LinkLabels()) {
    ClickLabel* label = MakeLinkLabel(link.caption, QLatin1String(link.name), this);
    label->setToolTip(link.hint);
    grid->addWidget(label, link.row, link.column);
    connect(label, &ClickLabel::clicked, this, [this, &link] { emit linkClicked(link); });
  }
}

// Count labels: a double click copies the label; the right button records it for the
// popup menu. The price labels carry the popup menu but record nothing.
void StatisticsPanel::CreateCopyMenu() {
  pmmCopy = new QMenu(this);
  pmmCopy->setObjectName(QStringLiteral("pmmCopy"));
  pmCopyLabel = pmmCopy->addAction(Tr("Копировать"));
  pmCopyLabel->setObjectName(QStringLiteral("pmCopyLabel"));
  pmCopyLabel->setData(0);
  connect(pmCopyLabel, &QAction::triggered, this, [this] { RunHandler([this] { pmCopyLabelClick(); }); });
  for (ClickLabel* label : {lbStr, lbSl, lbBukv, lbZn, lbFull, lbCena, lbCena2}) {
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, this,
            [this, label](const QPoint& pos) { pmmCopy->popup(label->mapToGlobal(pos)); });
  }
  for (ClickLabel* label : {lbStr, lbSl, lbBukv, lbZn, lbFull}) {
    connect(label, &ClickLabel::doubleClicked, this,
            [this, label] { RunHandler([&] { lbDblClick(label); }); });
    connect(label, &ClickLabel::mouseDown, this,
            [this, label](Qt::MouseButtons buttons) { lbMouseDown(label, buttons); });
  }
}

QString StatisticsPanel::RateText() const { return edCena->text(); }

void StatisticsPanel::ShowChange(const stats::PanelLabels& labels) {
  ShowRebuild(labels.counts);
  lbCena->setText(ToQString(labels.lbCena));
  lbCena2->setText(ToQString(labels.lbCena2));
}

void StatisticsPanel::ShowRebuild(const stats::CountLabels& labels) {
  Written();
  lbStr->setText(ToQString(labels.lbStr));
  lbSl->setText(ToQString(labels.lbSl));
  lbBukv->setText(ToQString(labels.lbBukv));
  lbZn->setText(ToQString(labels.lbZn));
  lbFull->setText(ToQString(labels.lbFull));
  FitWidth();
}

void StatisticsPanel::FitWidth() {
  // The window's minimum size is its own, set once: a count longer than the panel has room
  // for widens it (and the window with it) so that no label is cut.
  const int missing = layout()->minimumSize().width() - width();
  if (missing <= 0 || !isVisible()) return;
  QWidget* top = window();
  top->setMinimumWidth(std::max(top->minimumWidth(), top->width() + missing));
}

void StatisticsPanel::Written() {
  slices_.stop();
  pendingStep_ = nullptr;
}

void StatisticsPanel::RecountInSlices(std::function<bool()> step) {
  pendingStep_ = std::move(step);
  slices_.start();
}

void StatisticsPanel::NextSlice() {
  if (!pendingStep_) return;
  // Taken out while it runs: the last slice writes the labels, which ends the recount.
  std::function<bool()> step = std::exchange(pendingStep_, nullptr);
  bool done = true;
  RunHandler([&] { done = step(); });
  if (!done && !pendingStep_) {
    pendingStep_ = std::move(step);
    slices_.start();
  }
}

void StatisticsPanel::RecountNow() {
  while (pendingStep_) {
    slices_.stop();
    std::function<bool()> step = std::exchange(pendingStep_, nullptr);
    bool done = true;
    RunHandler([&] { done = step(); });
    if (!done && !pendingStep_) pendingStep_ = std::move(step);
  }
}

void StatisticsPanel::lbDblClick(const ClickLabel* label) {
  RecountNow();
  QApplication::clipboard()->setText(label->text());
}

void StatisticsPanel::lbMouseDown(const ClickLabel* label, Qt::MouseButtons buttons) {
  if (buttons & Qt::RightButton) pmCopyLabel->setData(label->tag);
}

void StatisticsPanel::pmCopyLabelClick() {
  const ClickLabel* const byTag[] = {lbStr, lbSl, lbBukv, lbZn, lbFull};
  const int tag = pmCopyLabel->data().toInt();
  if (tag >= 1 && tag <= 5) lbDblClick(byTag[tag - 1]);
}

}  // namespace skorlin::app
