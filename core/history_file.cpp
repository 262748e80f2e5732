#include "core/history_file.h"

#include "core/tables.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>

namespace tornavel {

namespace {

constexpr int kInputCount = 6;

// Windows-1252 bytes 0x80 to 0x9F; the five that the code page leaves undefined keep
// their own value.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char EncodeChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

qint32 ReadInt32(const char* p)
{
    return qFromLittleEndian<qint32>(p);
}

double ReadDouble(const char* p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void AppendInt32(QByteArray& out, qint32 value)
{
    char buf[4];
    qToLittleEndian<qint32>(value, buf);
    out.append(buf, 4);
}

void AppendDouble(QByteArray& out, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char buf[8];
    qToLittleEndian<quint64>(bits, buf);
    out.append(buf, 8);
}

bool IsUnitCode(int code)
{
    return code == 1 || code == 10 || code == 25 || code == 1000;
}

// Number of rows of the list whose choice is the first input, for the calculators
// that have one; 0 for the others.
int FirstInputListSize(int number)
{
    switch (number) {
    case 33: return CircuitCount;
    case 35: case 36: return MaterialCount;
    case 37: return TemperatureUnitCount;
    case 38: return CapacityUnitCount;
    default: return 0;
    }
}

HistoryEntry DecodeRecord(const char* p)
{
    HistoryEntry entry;
    entry.Number = ReadInt32(p);
    const char* text = p + 4;
    const void* nul = std::memchr(text, 0, HistoryTextBytes);
    // Without a NUL the text still ends within its 108 bytes.
    const int length = nul ? static_cast<int>(static_cast<const char*>(nul) - text) : HistoryTextMaxLength;
    entry.Text = DecodeWindows1252(QByteArray(text, length));
    for (int i = 0; i < kInputCount; ++i)
        entry.Inputs[static_cast<size_t>(i)] = ReadDouble(p + 112 + 8 * i);
    entry.TermIndex = ReadInt32(p + 160);
    entry.UnitScale = ReadInt32(p + 164);
    return entry;
}

// Inputs that carry no meaning are not checked; a value there that is not finite is
// replaced so that nothing downstream ever meets it.
void ClearMeaninglessInputs(HistoryEntry& entry)
{
    for (int i = 0; i < kInputCount; ++i) {
        const bool meaningful = (entry.Number != 0 && i <= entry.TermIndex) || (entry.Number == 39 && i == 2);
        double& value = entry.Inputs[static_cast<size_t>(i)];
        if (!meaningful && !std::isfinite(value))
            value = 0.0;
    }
}

} // namespace

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append((b >= 0x80 && b < 0xA0) ? QChar(kHighBlock[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(EncodeChar(c.unicode()));
    return bytes;
}

bool IsUsableHistoryEntry(const HistoryEntry& entry)
{
    if (entry.Number < 0 || entry.Number >= CalculatorCount)
        return false;
    if (entry.TermIndex < 0 || entry.TermIndex >= kInputCount)
        return false;
    if (!IsUnitCode(entry.UnitScale))
        return false;
    if (entry.Number != 0) {
        for (int i = 0; i <= entry.TermIndex; ++i) {
            if (!std::isfinite(entry.Inputs[static_cast<size_t>(i)]))
                return false;
        }
    }
    if (entry.Number == 39 && !TruncatedIndex(entry.Inputs[2]))
        return false;
    if (const int rows = FirstInputListSize(entry.Number)) {
        const std::optional<int> row = TruncatedIndex(entry.Inputs[0]);
        if (!row || *row < 0 || *row >= rows)
            return false;
    }
    return true;
}

QByteArray EncodeHistory(const History& history)
{
    const int last = std::clamp(history.LastHistoryIndex, -1, HistoryCapacity - 1);
    QByteArray out;
    out.reserve(4 + HistoryRecordSize * (last + 1));
    AppendInt32(out, last);
    for (int k = 0; k <= last; ++k) {
        const HistoryEntry& entry = history.HistoryEntries[static_cast<size_t>(k)];
        AppendInt32(out, entry.Number);
        QByteArray text = EncodeWindows1252(entry.Text.left(HistoryTextMaxLength));
        text.resize(HistoryTextBytes, '\0');
        out.append(text);
        for (double value : entry.Inputs)
            AppendDouble(out, value);
        AppendInt32(out, entry.TermIndex);
        AppendInt32(out, entry.UnitScale);
    }
    return out;
}

History DecodeHistory(const QByteArray& bytes)
{
    History history;
    if (bytes.size() < 4)
        return history;
    const qint64 count = qint64(ReadInt32(bytes.constData())) + 1;
    const qint64 present = (bytes.size() - 4) / HistoryRecordSize;
    const qint64 records = std::min(count, present);

    std::deque<HistoryEntry> kept;
    for (qint64 k = 0; k < records; ++k) {
        HistoryEntry entry = DecodeRecord(bytes.constData() + 4 + HistoryRecordSize * k);
        if (!IsUsableHistoryEntry(entry))
            continue;
        ClearMeaninglessInputs(entry);
        kept.push_back(entry);
        if (kept.size() > static_cast<size_t>(HistoryCapacity))
            kept.pop_front();
    }
    for (size_t k = 0; k < kept.size(); ++k)
        history.HistoryEntries[k] = kept[k];
    history.LastHistoryIndex = static_cast<int>(kept.size()) - 1;
    return history;
}

} // namespace tornavel
