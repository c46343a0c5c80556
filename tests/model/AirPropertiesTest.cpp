#include "MORV_Model.h"
#include <gtest/gtest.h>
