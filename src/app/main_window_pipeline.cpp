// The view pipeline (rebuilding the derived views on a tab change), the statistics panel
// and the copying of its labels.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/error_box.h"
#include "app/main_window.h"
#include "app/view_text.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"
#include "format/formatted_view.h"
#include "html/html_view.h"
#include "stats/labels.h"
#include "stats/text_stats.h"

namespace skorlin::app {
namespace {

// The decimal separator of the user's locale, for prices and sizes in thousands.
text::Text DecimalSeparator() { return ToText(QLocale().decimalPoint()); }

}  // namespace

QPlainTextEdit* TfmMain::ActiveView() const {
  switch (PageControl->currentIndex()) {
    case 0:
      return RichEdit1;
    case 1:
      return RichEdit2;
    case 2:
      return RichEdit3;
    default:
      return nullptr;
  }
}

bool TfmMain::SetViewText(QPlainTextEdit* view, text::TextView text) {
  const QString wanted = TextToViewString(text);
  if (wanted == ViewString(view)) return false;
  {
    // One change event for the whole replacement, run below.
    const QSignalBlocker blocker(view);
    view->setPlainText(wanted);
  }
  RichEditChange(view);
  return true;
}

void TfmMain::PageControlChange() {
  WaitCursor wait;
  const int tab = PageControl->currentIndex();
  std::string counted;
  if (tab == 1 || tab == 2) {
    const text::Text input = ViewText(RichEdit1);
    QPlainTextEdit* view = tab == 1 ? RichEdit2 : RichEdit3;
    // A derived view's text comes from the input: it is saved in the input's encoding.
    viewEncoding_[tab] = viewEncoding_[0];
    if (tab == 1) {
      SetViewText(view, format::FormattedView(input));
    } else {
      html::HtmlViewOptions options;
      options.addP = cbxAddP->isChecked();
      options.addPEmpty = cbxAddPEmpty->isChecked();
      options.table = cbxTable->isChecked();
      SetViewText(view, html::HtmlView(input, options));
    }
    counted = ViewUtf8(view);
  } else {
    counted = ViewUtf8(RichEdit1);
  }
  WriteRebuildLabels(counted);
}

void TfmMain::cbxHTMLClick(QObject* /*sender*/) { PageControlChange(); }

void TfmMain::WriteRebuildLabels(std::string_view counted) {
  const stats::CountLabels labels = stats::RebuildLabels(stats::CountTextStats(counted));
  lbStr->setText(ToQString(labels.lbStr));
  lbSl->setText(ToQString(labels.lbSl));
  lbBukv->setText(ToQString(labels.lbBukv));
  lbZn->setText(ToQString(labels.lbZn));
  lbFull->setText(ToQString(labels.lbFull));
}

void TfmMain::RichEditChange(QObject* sender) {
  WaitCursor wait;
  std::string counted;
  if (sender == edCena) {
    if (const QPlainTextEdit* view = ActiveView()) counted = ViewUtf8(view);
  } else if (const auto* view = qobject_cast<const QPlainTextEdit*>(sender)) {
    counted = ViewUtf8(view);
  }
  const stats::PanelLabels labels =
      stats::ChangeLabels(stats::CountTextStats(counted), ToText(edCena->text()), DecimalSeparator());
  lbStr->setText(ToQString(labels.counts.lbStr));
  lbSl->setText(ToQString(labels.counts.lbSl));
  lbBukv->setText(ToQString(labels.counts.lbBukv));
  lbZn->setText(ToQString(labels.counts.lbZn));
  lbFull->setText(ToQString(labels.counts.lbFull));
  lbCena->setText(ToQString(labels.lbCena));
  lbCena2->setText(ToQString(labels.lbCena2));
  emit StatisticsRefreshed(sender);
}

void TfmMain::lbDblClick(QObject* sender) {
  if (const auto* label = qobject_cast<const QLabel*>(sender)) SetClipboardText(label->text());
}

void TfmMain::lbMouseDown(QObject* sender, Qt::MouseButtons buttons) {
  const auto* label = qobject_cast<const ClickLabel*>(sender);
  if (label && (buttons & Qt::RightButton)) pmCopyLabel->setData(label->tag);
}

void TfmMain::pmCopyLabelClick(QObject* /*sender*/) {
  ClickLabel* const byTag[] = {lbStr, lbSl, lbBukv, lbZn, lbFull};
  const int tag = pmCopyLabel->data().toInt();
  if (tag >= 1 && tag <= 5) lbDblClick(byTag[tag - 1]);
}

}  // namespace skorlin::app
