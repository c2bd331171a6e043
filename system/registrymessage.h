#pragma once

// Shared by the two registry implementations: the text registryErrorMessage() returns.

#include <string>

namespace sys {
namespace detail {

void setRegistryErrorMessage(const std::wstring &text);

} // namespace detail
} // namespace sys
