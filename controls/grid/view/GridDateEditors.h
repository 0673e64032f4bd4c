// The grid's date picker and date-time picker editor wrappers.
#pragma once

#include "grid/view/GridEditors.h"
