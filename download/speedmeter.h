#pragma once

#include <QtGlobal>

// The downloader's smoothed speed: the average rate since the GET began, halved against the
// previous report. Kept apart so that its arithmetic can be checked without a clock.
class SpeedMeter
{
public:
    // Forgets every sample; called when a GET is issued.
    void reset();
    // Takes one progress report: the body bytes received so far and the milliseconds since
    // the previous report. Returns the speed to report in bytes per second.
    qint64 report(qint64 bytesReceived, qint64 intervalMs);

    qint64 speed() const { return m_speed; }
    qint64 transferTime() const { return m_transferTime; }

private:
    qint64 m_transferTime = 0;
    qint64 m_speed = 0;
    qint64 m_previousSpeed = 0;
};
