#include "SimMib.h"

#include <gtest/gtest.h>
