#pragma once

// Thrown inside a tick once the run it belongs to is over, so that the block being executed
// stops where it is; only the tick catches it, and the tick is where the run ends.
struct RunEnded {};
