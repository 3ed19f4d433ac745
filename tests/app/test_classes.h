// SPDX-License-Identifier: GPL-3.0-or-later
// Every window test class registers itself here; the test program runs them all.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace skorlin::app::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

bool RegisterTest(TestFactory factory);
int RunAllTests(int argc, char* argv[]);

}  // namespace skorlin::app::testing
