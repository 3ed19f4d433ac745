// SPDX-License-Identifier: GPL-3.0-or-later
// The panel below the tabs: the counts of the current text, the rate and the two prices,
// the popup menu that copies a count, and the link labels.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "stats/labels.h"

class QAction;
class QGridLayout;
class QLineEdit;
class QMenu;

namespace skorlin::app {

class ClickLabel;
struct LinkLabel;

class StatisticsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit StatisticsPanel(QWidget* parent = nullptr);

  // The price field edCena and its text, the rate per thousand characters.
  QLineEdit* RateField() const { return edCena; }
  QString RateText() const;

  // The seven labels a change of a view (or of the rate) writes.
  void ShowChange(const stats::PanelLabels& labels);
  // The five count labels a rebuild of a derived view writes; the prices stay.
  void ShowRebuild(const stats::CountLabels& labels);

  // A recount done a slice at a time between the user's keystrokes: step counts the next
  // slice and returns whether the count is complete (and shown). A later recount replaces
  // it, labels written meanwhile make it moot, and copying a label completes it first, so
  // the labels are exact whenever the user copies them and soon after any change.
  void RecountInSlices(std::function<bool()> step);
  // Completes the recount under way, if there is one.
  void RecountNow();

  // Copies the caption of a count label (a double click on it).
  void lbDblClick(const ClickLabel* label);
  // Records the count label pressed with the right button for the popup item.
  void lbMouseDown(const ClickLabel* label, Qt::MouseButtons buttons);
  // The popup item: copies the count label recorded last, if any.
  void pmCopyLabelClick();

 signals:
  // The rate has been edited.
  void rateChanged();
  // A link label has been clicked.
  void linkClicked(const LinkLabel& link);

 private:
  // Widens the window when the labels need more room than the panel has.
  void FitWidth();
  void CreateLinks(QGridLayout* grid);
  void CreateCopyMenu();
  void Written();
  void NextSlice();

  ClickLabel* lbStr = nullptr;
  ClickLabel* lbSl = nullptr;
  ClickLabel* lbBukv = nullptr;
  ClickLabel* lbZn = nullptr;
  ClickLabel* lbFull = nullptr;
  QLineEdit* edCena = nullptr;
  ClickLabel* lbCena = nullptr;
  ClickLabel* lbCena2 = nullptr;
  QMenu* pmmCopy = nullptr;
  QAction* pmCopyLabel = nullptr;

  QTimer slices_;
  std::function<bool()> pendingStep_;
};

}  // namespace skorlin::app
