#pragma once

// Shows the message seam's boxes as real message boxes.

class MessageBoxHandler
{
public:
    static void install();
};
