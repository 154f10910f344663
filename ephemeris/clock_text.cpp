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

std::optional<ClockTime> readEventClockText(std::string_view text, const ClockDesignators& designators) {
    const auto digit = [&text](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
    if (text.size() < 7 || text[2] != ':' || text[5] != ' ' || !digit(0) || !digit(1) || !digit(3) ||
        !digit(4)) {
        return std::nullopt;
    }
    const int hour = (text[0] - '0') * 10 + (text[1] - '0');
    const int minute = (text[3] - '0') * 10 + (text[4] - '0');
    if (hour < 1 || hour > 12 || minute > 59) {
        return std::nullopt;
    }
    const std::string_view designator = text.substr(6);
    if (designator != designators.am && designator != designators.pm) {
        return std::nullopt;
    }
    return ClockTime{hour % 12 + (designator == designators.pm ? 12 : 0), minute};
}

} // namespace biteclock
