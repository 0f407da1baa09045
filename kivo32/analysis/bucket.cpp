// CBucket: the accumulator of one interval of a load profile.
#include "kivo32/analysis/bucket.h"

void CBucket::AddSample(float x) {
    m_fSum += x;
    m_fCount = static_cast<float>(static_cast<double>(m_fCount) + 1.0);
    m_fValue = m_fSum / m_fCount;
}
