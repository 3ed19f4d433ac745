// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the options and the window's geometry from the settings file, and saving them.
#include <QCheckBox>
#include <QLineEdit>

#include "app/app_error.h"
#include "app/main_window.h"
#include "app/profile_file.h"
#include "app/statistics_panel.h"

namespace skorlin::app {
namespace {

const QString kMain = QStringLiteral("Main");
const QString kHtml = QStringLiteral("HTML");
const QString kAbzac = QStringLiteral("Abzac");

}  // namespace

// Each stored value replaces the control's state; a value that differs from it runs the
// control's own change event, as a user's change would.
void TfmMain::LoadSettings() {
  const struct {
    const QString& section;
    QCheckBox* box;
    const char* key;
  } boxes[] = {
      {kMain, chkEnterStart, "chkEnterStart.Checked"},
      {kMain, chkFolders, "chkFolders.Checked"},
      {kMain, chkShowChanges, "chkShowChanges.Checked"},  // under the formatted view
      {kMain, chkTypograf, "chkTypograf.Checked"},        // beside it
      {kHtml, cbxAddP, "cbxAddP.Checked"},
      {kHtml, cbxAddPEmpty, "cbxAddPEmpty.Checked"},
      {kHtml, cbxTable, "cbxTable.Checked"},
  };
  for (const auto& row : boxes) {
    row.box->setChecked(Settings->ReadBool(row.section, QLatin1String(row.key), row.box->isChecked()));
  }
  const struct {
    const QString& section;
    QLineEdit* edit;
    const char* key;
  } edits[] = {
      {kAbzac, edAbzMin, "edAbzMin.Text"},
      {kAbzac, edAbzMax, "edAbzMax.Text"},
      {kMain, Panel2->RateField(), "edCena.Text"},
  };
  for (const auto& row : edits) {
    row.edit->setText(Settings->ReadString(row.section, QLatin1String(row.key), row.edit->text()));
  }
  // A settings file that exists but could not be read leaves the defaults in place; the
  // user is told now, not only when the close cannot save.
  if (Settings->ReadProblem()) throw AppError(*Settings->ReadProblem());
}

void TfmMain::RestoreGeometry() {
  const int top = Settings->ReadInteger(kMain, QStringLiteral("Top"), y());
  const int left = Settings->ReadInteger(kMain, QStringLiteral("Left"), x());
  const int width = Settings->ReadInteger(kMain, QStringLiteral("Width"), this->width());
  const int height = Settings->ReadInteger(kMain, QStringLiteral("Height"), this->height());
  // Without a stored place the window system's placement stays.
  if (Settings->Find(kMain, QStringLiteral("Top")) || Settings->Find(kMain, QStringLiteral("Left"))) {
    move(std::max(left, 0), std::max(top, 0));
  }
  resize(width, height);
}

void TfmMain::SaveSettings() {
  if (!Settings) return;
  Settings->WriteBool(kMain, QStringLiteral("chkEnterStart.Checked"), chkEnterStart->isChecked());
  Settings->WriteBool(kMain, QStringLiteral("chkFolders.Checked"), chkFolders->isChecked());
  Settings->WriteBool(kMain, QStringLiteral("chkShowChanges.Checked"), chkShowChanges->isChecked());
  Settings->WriteBool(kMain, QStringLiteral("chkTypograf.Checked"), chkTypograf->isChecked());
  Settings->WriteBool(kHtml, QStringLiteral("cbxAddP.Checked"), cbxAddP->isChecked());
  Settings->WriteBool(kHtml, QStringLiteral("cbxAddPEmpty.Checked"), cbxAddPEmpty->isChecked());
  Settings->WriteBool(kHtml, QStringLiteral("cbxTable.Checked"), cbxTable->isChecked());
  Settings->WriteString(kAbzac, QStringLiteral("edAbzMin.Text"), edAbzMin->text());
  Settings->WriteString(kAbzac, QStringLiteral("edAbzMax.Text"), edAbzMax->text());
  Settings->WriteString(kMain, QStringLiteral("edCena.Text"), Panel2->RateText());
  if (!isMaximized()) {
    Settings->WriteInteger(kMain, QStringLiteral("Top"), y());
    Settings->WriteInteger(kMain, QStringLiteral("Left"), x());
    Settings->WriteInteger(kMain, QStringLiteral("Width"), width());
    Settings->WriteInteger(kMain, QStringLiteral("Height"), height());
  }
  Settings->Save();
}

}  // namespace skorlin::app
