#pragma once

#include "dnssdapi.h"

#include <string>

// A reference with its socket that answers nothing (yet), noted as "start " + what in the
// double's call log.
DNSServiceErrorType startOperation(DNSServiceRef *sdRef, const std::string &what);
