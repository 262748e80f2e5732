#include "core/options_file.h"

#include "core/options_store.h"
#include "core/units.h"
#include "platform/save_file.h"
#include "platform/little_endian.h"
#include "core/state.h"

namespace tornavel {

QByteArray EncodeOptions(const Options& options)
{
    QByteArray out;
    out.reserve(OptionsFileSize);
    AppendInt32(out, options.UnitScaleCode);
    out.append(static_cast<char>(options.UnitDisplayOption != 0 ? 1 : 0));
    AppendInt32(out, options.DefaultCalculator);
    for (int favourite : options.Favourites)
        AppendInt32(out, favourite);
    return out;
}

void DecodeOptions(const QByteArray& bytes, Options& options, const CalculatorRegistry& rows)
{
    const Options start;
    options.UnitScaleCode = start.UnitScaleCode;
    options.UnitDisplayOption = start.UnitDisplayOption;
    options.DefaultCalculator = start.DefaultCalculator;
    options.Favourites = start.Favourites;

    const char* p = bytes.constData();
    const auto has = [&](int offset, int size) { return bytes.size() >= offset + size; };

    if (has(0, 4)) {
        const qint32 code = ReadInt32(p);
        if (IsUnitScaleCode(code))
            options.UnitScaleCode = code;
    }
    if (has(4, 1)) {
        const auto display = static_cast<unsigned char>(p[4]);
        if (display <= 1)
            options.UnitDisplayOption = display;
    }
    if (has(5, 4)) {
        const qint32 number = ReadInt32(p + 5);
        if (rows.Has(number))
            options.DefaultCalculator = number;
    }
    for (int k = 0; k < FavouriteSlotCount; ++k) {
        const int offset = 9 + 4 * k;
        if (!has(offset, 4))
            break;
        const qint32 number = ReadInt32(p + offset);
        if (rows.Has(number))
            options.Favourites[static_cast<size_t>(k)] = number;
    }
}

void OptionsStore::UpdateUnitLabels()
{
    const UnitOfMeasure* unit = FindUnitOfMeasure(options_.UnitScaleCode);
    if (!unit)
        return;
    options_.LengthUnitSuffix = unit->lengthSuffix.toString();
    options_.AreaUnitSuffix = unit->areaSuffix.toString();
    options_.VolumeUnitSuffix = unit->volumeSuffix.toString();
    options_.YieldUnitSuffix = unit->yieldSuffix.toString();
}

void OptionsStore::SetUnitScale(int code)
{
    if (IsUnitScaleCode(code))
        options_.UnitScaleCode = code;
    UpdateUnitLabels();
}

void OptionsStore::SetUnitDisplay(int option)
{
    if (option == 0 || option == 1)
        options_.UnitDisplayOption = option;
}

void OptionsStore::SetFavourite(int slot, int number)
{
    if (slot >= 0 && slot < FavouriteSlotCount)
        options_.Favourites[static_cast<size_t>(slot)] = number;
}

bool OptionsStore::Load(const QString& path)
{
    QByteArray bytes;
    const FileReadStatus status = ReadRegularFile(path, OptionsFileSize, bytes);
    // A file that cannot be read gives the start values.
    DecodeOptions(bytes, options_, descriptions_);
    options_.OptionsChanged = false;
    options_.FileUnreadable = status == FileReadStatus::Unreadable;
    UpdateUnitLabels();
    return status == FileReadStatus::Read;
}

bool OptionsStore::Save(const QString& path, QString* reason) const
{
    // A file that could not be read (a write-only one, say) keeps what it holds.
    if (options_.FileUnreadable) {
        if (reason)
            *reason = UnreadableFileKeptReason();
        return false;
    }
    return SaveFileAtomically(path, EncodeOptions(options_), reason);
}

} // namespace tornavel
