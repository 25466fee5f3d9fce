// The value of an environment variable; empty when it is not set.
#pragma once

#include <string>

std::string SimEnvironment(const char* name);
