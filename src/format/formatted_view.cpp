// The formatted view of a whole text, and where the normalizer changed its lines.
#include "format/formatted_view.h"

#include <algorithm>
#include <future>
#include <span>

#include "format/normalize_line.h"
#include "text/line_list.h"
#include "text/utf8.h"

namespace skorlin::format {
namespace {

// The lines of text trimmed as TrimBlanks trims, without copying the text first.
text::Lines TrimmedLines(text::TextView text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (end > 0 && text::IsBlank(text[end - 1])) --end;
  while (begin < end && text::IsBlank(text[begin])) ++begin;
  return text::SplitLines(text.substr(begin, end - begin));
}

std::size_t Utf8Length(text::Char c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

// The changes of one line, moved from its characters to the bytes of the view, the line
// starting at byte lineStart.
void AddLineChanges(text::TextView before, text::TextView after, std::size_t lineStart,
                    std::vector<text::CharChange>& changes) {
  std::size_t character = 0;
  std::size_t byte = lineStart;
  const auto byteAt = [&](std::size_t position) {
    for (; character < position; ++character) byte += Utf8Length(after[character]);
    return byte;
  };
  for (const text::CharChange& change : text::CharChanges(before, after)) {
    const std::size_t begin = byteAt(change.begin);
    changes.push_back({begin, byteAt(change.begin + change.length) - begin});
  }
}

// Lines of the view and the input lines they came from, with the byte each starts at.
struct LineBatch {
  std::vector<text::Text> inputs;
  std::span<const text::Text> outputs;
  std::vector<std::size_t> starts;

  std::vector<text::CharChange> Changes() const {
    std::vector<text::CharChange> changes;
    for (std::size_t k = 0; k < inputs.size(); ++k) {
      if (inputs[k] != outputs[k]) AddLineChanges(inputs[k], outputs[k], starts[k], changes);
    }
    return changes;
  }
};

constexpr std::size_t kBatchLines = 512;

void AppendAll(std::vector<text::CharChange>& to, const std::vector<text::CharChange>& from) {
  to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

text::Text FormattedView(text::TextView text) {
  text::Lines lines = TrimmedLines(text);
  for (text::Text& line : lines) NormalizeLineInPlace(line);
  return text::JoinLines(lines);
}

FormattedViewBytes FormattedViewUtf8(text::TextView text, bool withChanges) {
  FormattedViewBytes view;
  text::Lines lines = TrimmedLines(text);
  view.utf8.reserve(text.size() * 2);
  // The changes of a batch of lines are found on a second thread while the next batch is
  // normalized: the diff then adds little to the time of the whole view.
  std::future<std::vector<text::CharChange>> pending;
  for (std::size_t begin = 0; begin < lines.size(); begin += kBatchLines) {
    LineBatch batch;
    const std::size_t end = std::min(lines.size(), begin + kBatchLines);
    for (std::size_t i = begin; i < end; ++i) {
      text::Text& line = lines[i];
      if (withChanges) batch.inputs.push_back(line);
      NormalizeLineInPlace(line);
      if (withChanges) batch.starts.push_back(view.utf8.size());
      text::AppendUtf8(view.utf8, line);
      view.utf8 += "\r\n";
    }
    if (!withChanges) continue;
    batch.outputs = std::span<const text::Text>(lines).subspan(begin, end - begin);
    if (pending.valid()) AppendAll(view.changes, pending.get());
    pending = std::async(std::launch::async, [batch = std::move(batch)] { return batch.Changes(); });
  }
  if (pending.valid()) AppendAll(view.changes, pending.get());
  return view;
}

}  // namespace skorlin::format
