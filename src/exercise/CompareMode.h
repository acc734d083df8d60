#pragma once

// How a test compares each line the chart printed with the line it expects.
enum class CompareMode {
    Exact,   // character for character
    Trim,    // blanks at both ends of a line ignored
    NoCase,  // trimmed, and letter case ignored (by the exercise's regional settings)
    Numbers, // trimmed, and every number equal within a tolerance, written with either separator
};
