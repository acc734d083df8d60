#pragma once

// Inverse sine and cosine built from the arc tangent, with the ends of the range given exactly;
// the arrow heads of lines are laid out with these.
namespace TrigoFunc {
double ArcSin(double v);
double ArcCos(double v);
}
