#pragma once

#include "clock_text.h"

/// The desktop's AM and PM designators for the almanac's 12-hour clock texts. A locale without
/// them (one that writes a 24-hour clock) keeps "AM" and "PM", so that every time still says which
/// half of the day it is in.
biteclock::ClockDesignators platformClockDesignators();
