// The grid's drop-down editor wrappers.
#pragma once

#include "grid/view/GridEditors.h"
