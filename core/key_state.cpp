#include "core/key_state.h"

namespace tornavel {

bool IsOperatorState(int code)
{
    return (code >= 0 && code <= 5) || (code >= 28 && code <= 30);
}

} // namespace tornavel
