// The spectral transform of N real points and what is read of it: the magnitude and the frequency of a
// bin, and the range of a float array.
#pragma once

#include <span>

namespace platform {

// Transforms the N real points of `points` in place (N even, `second` as long): afterwards bin k
// (0 <= k <= N/2) is points[k] + i x second[k], and the other entries are 0. False, nothing changed, when
// N is odd or below 2, the two arrays differ in length, or a point is not a finite number.
bool TransformRealPoints(std::span<float> points, std::span<float> second);

// The magnitude of bin k after TransformRealPoints, as the RMS value of its sine (the DC bin: the mean),
// so that every bin shares one scale. False when k is outside 0..N/2.
bool BinMagnitude(std::span<const float> points, std::span<const float> second, int k, float& magnitude);

// The frequency of bin k of N points sampled at `sampleRate`: k x rate / N.
double BinFrequency(int pointCount, float sampleRate, int k);

// The smallest and the largest value of `values`; false for an empty array.
bool FloatRange(std::span<const float> values, float& minimum, float& maximum);

}  // namespace platform
