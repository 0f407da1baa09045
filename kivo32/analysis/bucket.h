// CBucket: the accumulator of one interval of a load profile.
#pragma once

class CBucket {
public:
    virtual ~CBucket() = default;

    void Reset() { *this = CBucket(); }
    // Adds to the value only, leaving count and sum alone.
    void AddToValue(float x) { m_fValue += x; }
    // Counts the sample and makes the value the average of all samples added.
    void AddSample(float x);
    float GetValue() const { return m_fValue; }
    void SetValue(float value) { m_fValue = value; }
    float GetCount() const { return m_fCount; }
    float GetSum() const { return m_fSum; }

private:
    float m_fValue = 0.0F;
    float m_fCount = 0.0F;
    float m_fSum = 0.0F;
};
