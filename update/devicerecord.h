#pragma once

// A scanner of the maker found on USB or on the network. Plain C++ so that the inventory and
// the discovery code below it stay free of Qt; the dialogs convert at their edge.

#include <cstdint>
#include <string>

struct DeviceRecord
{
    uint32_t vendorId = 0;
    uint32_t productId = 0;
    std::wstring serialNumber;  // trimmed, every "_" removed
    std::wstring model;         // product name, or "PID_" + four lower-case hex digits
    std::wstring productIdText; // four upper-case hex digits, zero-padded
    bool supported = false;     // set by the bundle check
    std::wstring bundleType;    // set by the bundle check
    bool network = false;       // found through DNS-SD rather than on USB
};
