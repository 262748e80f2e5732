// The options file Options.dat.

#include "core/options_file.h"
#include "core/units.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/catalogue.h"

#include <cstdint>

using namespace tornavel;

namespace {

bool SameFields(const Options& a, const Options& b)
{
    return a.UnitScaleCode == b.UnitScaleCode && a.UnitDisplayOption == b.UnitDisplayOption
           && a.DefaultCalculator == b.DefaultCalculator && a.Favourites == b.Favourites;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CalculatorRegistry& rows = AllCalculators().Rows();

    // Whatever the file held before is replaced by the start values or by what is read.
    Options options;
    options.UnitScaleCode = 7;
    options.DefaultCalculator = -5;
    options.Favourites.fill(1 << 20);
    DecodeOptions(bytes, options, rows);

    FUZZ_CHECK(IsUnitScaleCode(options.UnitScaleCode), "a unit code that is not one of the four");
    FUZZ_CHECK(options.UnitDisplayOption == 0 || options.UnitDisplayOption == 1, "a display option out of range");
    FUZZ_CHECK(rows.Has(options.DefaultCalculator), "a default calculator the program lacks");
    for (int favourite : options.Favourites)
        FUZZ_CHECK(favourite == -1 || rows.Has(favourite), "a favourite the program lacks");

    // Written back, the options read the same.
    Options again;
    DecodeOptions(EncodeOptions(options), again, rows);
    FUZZ_CHECK(SameFields(again, options), "options changed when written back");
    FUZZ_CHECK(EncodeOptions(options).size() == OptionsFileSize, "an options file of the wrong size");
    return 0;
}
