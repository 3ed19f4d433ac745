// Loading files into the views.
#include <QPlainTextEdit>

#include "app/main_window.h"
#include "app/wait_cursor.h"
#include "app/widgets.h"
#include "text/encoding.h"
#include "text/text_file.h"

namespace skorlin::app {

void TfmMain::LoadFileIntoView(QPlainTextEdit* view, const QString& path) {
  WaitCursor wait;
  const std::string bytes = text::ReadFileBytes(path.toStdString());
  text::DecodedText decoded = text::DecodeAuto(bytes);
  const int index = view == RichEdit1 ? 0 : view == RichEdit2 ? 1 : 2;
  viewEncoding_[index] = decoded.encoding;
  SetViewText(view, decoded.text);
}

}  // namespace skorlin::app
