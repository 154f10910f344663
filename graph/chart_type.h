#pragma once

#include <array>

/// The eight chart types of the prediction graph, numbered as they are stored ("graphstyle").
enum class ChartType {
    Bar3D = 0,
    Bar2D = 1,
    Line3D = 2,
    Line2D = 3,
    Area3D = 4,
    Area2D = 5,
    Step3D = 6,
    Step2D = 7,
};

inline constexpr int kChartTypeCount = 8;

/// True for the types drawn with depth.
constexpr bool hasDepth(ChartType type) {
    return static_cast<int>(type) % 2 == 0;
}

/// The type of a stored number; 2-D bars (the default) for a number outside 0 to 7.
constexpr ChartType chartTypeFromNumber(int number) {
    return number >= 0 && number < kChartTypeCount ? static_cast<ChartType>(number) : ChartType::Bar2D;
}

/// One entry of the "&Graphs" menu.
struct ChartMenuEntry {
    const char* text;    ///< the entry's caption
    const char* control; ///< the entry's name
    ChartType type;
};

/// The chart-type entries of the "&Graphs" menu, top to bottom.
inline constexpr std::array<ChartMenuEntry, kChartTypeCount> kChartMenuEntries{{
    {"&3D Bar", "mnu3dbar", ChartType::Bar3D},
    {"&2D Bar", "mnu2dbar", ChartType::Bar2D},
    {"3&D Line", "mn3dline", ChartType::Line3D},
    {"2D &Line", "mnu2dline", ChartType::Line2D},
    {"3D &Area", "mnu3darea", ChartType::Area3D},
    {"2D A&rea", "mnu2darea", ChartType::Area2D},
    {"3D &Step", "mnu3dstep", ChartType::Step3D},
    {"2D S&tep", "mnu2dstep", ChartType::Step2D},
}};
