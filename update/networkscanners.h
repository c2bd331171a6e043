#pragma once

// The maker's scanners that announce one DNS-SD service type on the local network, as device
// records with the network flag set, in the order discovery reported them.

#include "devicerecord.h"

#include <string>
#include <vector>

namespace NetworkScanners {

// The two service types the scanner list asks for, in this order.
extern const wchar_t *const ScannerServiceType; // L"_privet._tcp,_twaindirect"
extern const wchar_t *const PrinterServiceType; // L"_ipp._tcp"

std::vector<DeviceRecord> find(const std::wstring &serviceType);

} // namespace NetworkScanners
