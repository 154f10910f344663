#include "clock_text.h"

namespace biteclock {

std::string eventClockText(int hour, int minute, const ClockDesignators& designators) {
    int h12 = hour % 12;
    if (h12 <= 0) {
        h12 += 12;
    }
    minute = ((minute % 60) + 60) % 60;
    const std::string& designator = hour % 24 < 12 ? designators.am : designators.pm;
    char text[40] = {static_cast<char>('0' + h12 / 10),    static_cast<char>('0' + h12 % 10),    ':',
                     static_cast<char>('0' + minute / 10), static_cast<char>('0' + minute % 10), ' '};
    const std::size_t designatorLength =
        designator.size() < sizeof text - 6 ? designator.size() : sizeof text - 6;
    designator.copy(text + 6, designatorLength);
    return std::string(text, 6 + designatorLength);
}

} // namespace biteclock
