// EExtGridError: the exception grid operations raise on bad input and grid file readers on damaged files.
#pragma once

#include "rtl/Exceptions.h"

KT_DECLARE_EXCEPTION(EExtGridError, Exception);
