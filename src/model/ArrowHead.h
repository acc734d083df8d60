#pragma once

// The head of a line: a dot whose centre is the tip and two strokes from the tip back along
// either side of the line. Drawing-surface units.
struct ArrowHead {
    struct Stroke {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        friend bool operator==(const Stroke &, const Stroke &) = default;
    };

    static constexpr float strokeLength = 15;
    static constexpr double strokeAngle = 0.5; // radian, on either side of the line
    static constexpr float dotSize = 4;

    float dotLeft = 0, dotTop = 0;
    float dotWidth = dotSize, dotHeight = dotSize;
    Stroke up;   // arrUp
    Stroke down; // arrDown
    bool visible = false;

    friend bool operator==(const ArrowHead &, const ArrowHead &) = default;
};
