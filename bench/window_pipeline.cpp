// SPDX-License-Identifier: GPL-3.0-or-later
// The window's costs that a user feels, measured on the real window (offscreen): selecting
// the formatted or the HTML tab with a 1 MB input, and one keystroke in a view holding
// 5 MB (counted again once the typing pauses, not at every key).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "app/text_view.h"
#include "text/line_breaks.h"

namespace {

// A messy Russian text of about `bytes` characters: spaces before punctuation, straight
// quotes, dashes, numbers, abbreviations, tabs.
QString SampleText(qsizetype size, int variant) {
  const QString lines[] = {
      QStringLiteral("Договор  N 15 от 12.03.2024 года , заключён между ООО \"Ромашка\"и ИП Ивановым И.И."),
      QStringLiteral("Срок действия:с 2020 по 2024 г.г.  (включительно ) -- см. также п. 3"),
      QStringLiteral("Цены указаны в рублях ;оплата - в течение 10 дней !"),
      QStringLiteral("Участники ( по списку ):А.С.Пушкин , Л.Н.Толстой и т. д."),
      QStringLiteral("Товар\tКол-во\tЦена"),
  };
  QString text;
  text.reserve(size + 200);
  for (int i = 0; text.size() < size; ++i) {
    text += lines[i % 5];
    text += QString::number(i + variant);
    text += QLatin1Char('\n');
  }
  return text;
}

// A text as a view holds it.
std::string ForView(const QString& text) { return skorlin::text::WithCrLfBreaks(text.toStdString()); }

struct Window {
  QTemporaryDir dir;
  std::unique_ptr<skorlin::app::TfmMain> window;
  skorlin::app::TextView* input = nullptr;
  QTabWidget* tabs = nullptr;

  Window() {
    skorlin::app::WindowEnvironment environment{dir.path() + "/program", dir.path() + "/config", {}};
    window = std::make_unique<skorlin::app::TfmMain>(environment);
    window->show();
    input = window->findChild<skorlin::app::TextView*>("RichEdit1");
    tabs = window->findChild<QTabWidget*>("PageControl");
  }
};

void RebuildTab(benchmark::State& state, int tab) {
  Window w;
  const std::string texts[2] = {ForView(SampleText(1 << 20, 0)), ForView(SampleText(1 << 20, 1))};
  int variant = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w.tabs->setCurrentIndex(0);
    w.input->Load(texts[variant ^= 1]);
    QApplication::processEvents();
    state.ResumeTiming();
    w.tabs->setCurrentIndex(tab);
    QApplication::processEvents();
  }
  state.SetBytesProcessed(state.iterations() * (int64_t{1} << 20));
}

void BM_SelectFormattedTab1MB(benchmark::State& state) { RebuildTab(state, 1); }
void BM_SelectHtmlTab1MB(benchmark::State& state) { RebuildTab(state, 2); }

void BM_KeystrokeIn5MBView(benchmark::State& state) {
  Window w;
  w.input->Load(ForView(SampleText(5 << 20, 0)));
  w.input->setFocus();
  w.input->SendScintilla(skorlin::app::TextView::SCI_DOCUMENTEND);
  QApplication::processEvents();
  for (auto _ : state) {
    QTest::keyClick(w.input, Qt::Key_A);
    QApplication::processEvents();
  }
}

BENCHMARK(BM_SelectFormattedTab1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectHtmlTab1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeIn5MBView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
