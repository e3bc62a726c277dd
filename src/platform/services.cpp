#include "platform/services.h"

namespace orv::platform {

namespace {
Services g_services;
}

const Services& services() { return g_services; }

Services installServices(const Services& s)
{
    Services previous = g_services;
    g_services = s;
    return previous;
}

}  // namespace orv::platform
