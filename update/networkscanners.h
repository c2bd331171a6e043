#pragma once

// The maker's scanners that announce one DNS-SD service type on the local network, as device
// records with the network flag set, in the order discovery reported them.

#include "devicerecord.h"
#include "stopflag.h"

#include <optional>
#include <string>
#include <vector>

namespace NetworkScanners {

// The two service types the scanner list asks for, in this order.
extern const wchar_t *const ScannerServiceType; // L"_privet._tcp,_twaindirect"
extern const wchar_t *const PrinterServiceType; // L"_ipp._tcp"

// Discovery through the DNS-SD client library beside the running program; a raised stop flag
// ends it early (DiscoveryContext::browse).
std::vector<DeviceRecord> find(const std::wstring &serviceType, const StopFlag *stop = nullptr);
// The same with the library (and responder) in directory (Windows form).
std::vector<DeviceRecord> findIn(const std::wstring &directory,
                                 const std::wstring &serviceType,
                                 const StopFlag *stop = nullptr);

// The record for one discovered device: vendor and product id read as four hexadecimal digits
// right after the identifier's "VID_" and "PID_"; nothing when either cannot be read.
std::optional<DeviceRecord> deviceRecord(const std::wstring &identifier,
                                         const std::wstring &serialText,
                                         const std::wstring &modelText);

} // namespace NetworkScanners
