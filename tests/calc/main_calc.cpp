#include "common/testregistry.h"

ORV_TEST_MAIN_GUILESS
