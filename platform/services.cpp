#include "platform/services.h"

// The services are interfaces; the widgets implement them in the views.
