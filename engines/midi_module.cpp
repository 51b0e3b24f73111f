#include "engines/module.h"

extern "C" __attribute__((visibility("default"))) midi::Ports* rurized_open_ports(std::string& why)
{
    return midi::Ports::Open(why).release();
}
