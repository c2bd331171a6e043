#include "speedmeter.h"

void SpeedMeter::reset()
{
    m_transferTime = 0;
    m_previousSpeed = 0;
}

qint64 SpeedMeter::report(qint64 bytesReceived, qint64 intervalMs)
{
    m_transferTime += intervalMs;
    // Two reports within one millisecond say nothing new about the rate.
    if (intervalMs != 0 && m_transferTime > 0) {
        m_speed = static_cast<qint64>(bytesReceived * 1000.0 / m_transferTime);
        if (m_previousSpeed != 0)
            m_speed = (m_speed + m_previousSpeed) / 2;
        m_previousSpeed = m_speed;
    }
    return m_speed;
}
