// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_classes.h"

#include <QTest>
#include <vector>

namespace skorlin::app::testing {
namespace {

std::vector<TestFactory>& Registry() {
  static std::vector<TestFactory> registry;
  return registry;
}

}  // namespace

bool RegisterTest(TestFactory factory) {
  Registry().push_back(std::move(factory));
  return true;
}

int RunAllTests(int argc, char* argv[]) {
  int failures = 0;
  for (const TestFactory& factory : Registry()) {
    const std::unique_ptr<QObject> test = factory();
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace skorlin::app::testing
