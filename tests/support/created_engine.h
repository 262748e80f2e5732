#pragma once

// An engine over the program's calculators on a fake desktop, its main window created
// (resizable) as start-up creates it: the fixture of the tests that start from there.

#include "core/engine.h"
#include "core/strings.h"
#include "tests/support/catalogue.h"
#include "tests/support/fake_ui.h"

#include <gtest/gtest.h>

namespace tornavel {

struct CreatedEngine : ::testing::Test {
    StringTable strings;
    FakeUi ui;
    Engine engine{AllCalculators(), strings, ui, QStringLiteral(",")};

    CreatedEngine() { engine.FormCreate(QStringLiteral("O")); }
};

} // namespace tornavel
