#include "graph_fill.h"

std::vector<biteclock::GraphRow> graphFill(biteclock::AlmanacDay& day, biteclock::DateSerial displayed,
                                           int days, bool monthFirst) {
    day.ShowPhaseLabels = false;
    std::vector<biteclock::GraphRow> rows = biteclock::graphRows(day, displayed, days, monthFirst);
    // The loop leaves the last day's phase and rating in the context: put the displayed day's back, so
    // that whatever reads the context next reads the day the window shows.
    biteclock::returnToDate(day, displayed);
    day.calcmoon();
    day.ShowPhaseLabels = true;
    return rows;
}
