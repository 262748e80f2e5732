#include "core/view_texts.h"

#include "core/strings.h"

namespace tornavel {

namespace {
// Long enough for the longest layout text (a hint).
constexpr int kLayoutTextBuffer = 300;
} // namespace

QString LayoutText(const StringTable& strings, LayoutString id)
{
    return strings.OwnStr(static_cast<int>(id), kLayoutTextBuffer);
}

QString OwnLayoutText(const StringTable& strings, int id)
{
    return strings.OwnStr(id, kLayoutTextBuffer);
}

QString WindowBehaviourCode(bool resizable)
{
    return resizable ? QStringLiteral("O") : QStringLiteral("N");
}

} // namespace tornavel
