// Linear mapping of a value from one interval onto another.
#pragma once

// toLow + (value - fromLow) / (fromHigh - fromLow) * (toHigh - toLow). An empty source interval
// writes a message and still divides, giving an infinity or not-a-number.
double scale_from_to(double value, double fromLow, double fromHigh, double toLow, double toHigh);
