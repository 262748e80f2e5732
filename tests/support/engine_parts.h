#pragma once

// What a test has of an engine beyond its facade: const views of what each part owns
// (engine_view.h), the program's steps that bring an engine somewhere (program_steps.h),
// and a family's key for a test that stands in for one (family_key.h).

#include "tests/support/engine_view.h"
#include "tests/support/family_key.h"
#include "tests/support/program_steps.h"
