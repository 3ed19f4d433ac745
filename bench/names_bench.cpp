// SPDX-License-Identifier: GPL-3.0-or-later
// Declension speed: full names a second through GetFIOFleksFSAS (the library alone, on
// Windows-1251 bytes) and through the program's binding (with the text conversions).
// The library is the libfleks.so built beside this program.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <string>
#include <vector>

#include "names/declension_library.h"
#include "text/encoding.h"
#include "text/text.h"

namespace {

const char* const kNames[] = {"Иванов Иван Иванович",
                              "Петрова Мария Ивановна",
                              "Римский-Корсаков Николай Андреевич",
                              "Кравец Илья Кузьмич",
                              "Толстая Софья Андреевна",
                              "Шевченко Тарас Григорьевич",
                              "Мамедов Ильхам Гейдар оглы",
                              "Петросян Анна Тиграновна",
                              "Достоевский Фёдор Михайлович",
                              "Ковальчук Любовь Петровна",
                              "Окуджава Булат Шалвович",
                              "Черных Юрий Сергеевич",
                              "Хабибуллина Гульнара Рустамовна",
                              "Гоголь Николай Васильевич",
                              "Берия Лаврентий Павлович",
                              "Сидоров П.И.",
                              "Коломиец Никита Ильич",
                              "Верхняя Наталья Юрьевна",
                              "Дарвин Чарльз",
                              "Джугашвили Иосиф Виссарионович"};

std::vector<std::string> Cp1251Names() {
  std::vector<std::string> out;
  for (const char* name : kNames) out.push_back(skorlin::text::EncodeCp1251(skorlin::text::FromUtf8(name)));
  return out;
}

using GetFioFunc = int (*)(const char*, int, char*, int*);

void LibraryAlone(benchmark::State& state) {
  const std::string path = skorlin::names::ProgramFolder() + skorlin::names::DeclensionLibraryFileName();
  void* handle = dlopen(path.c_str(), RTLD_NOW);
  if (handle == nullptr) {
    state.SkipWithError(("cannot load " + path).c_str());
    return;
  }
  auto decline = reinterpret_cast<GetFioFunc>(dlsym(handle, "GetFIOFleksFSAS"));
  const std::vector<std::string> names = Cp1251Names();
  char buffer[256];
  std::size_t i = 0;
  for (auto _ : state) {
    int size = sizeof buffer;
    const std::string& name = names[i++ % names.size()];
    benchmark::DoNotOptimize(decline(name.c_str(), 3 + static_cast<int>(i % 4), buffer, &size));
  }
  state.SetItemsProcessed(state.iterations());
  dlclose(handle);
}
BENCHMARK(LibraryAlone);

void ThroughBinding(benchmark::State& state) {
  skorlin::names::DeclensionLibrary library(
      {skorlin::names::ProgramFolder() + skorlin::names::DeclensionLibraryFileName()});
  std::vector<skorlin::text::Text> names;
  for (const char* name : kNames) names.push_back(skorlin::text::FromUtf8(name));
  std::size_t i = 0;
  try {
    for (auto _ : state) benchmark::DoNotOptimize(library.DeclineFio(names[i++ % names.size()], 3));
  } catch (const std::exception& error) {
    state.SkipWithError(error.what());
    return;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ThroughBinding);

}  // namespace
