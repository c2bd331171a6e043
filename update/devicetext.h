#pragma once

// Text out of the byte buffers that device properties, registry values and USB string
// descriptors arrive in. Every function reads only within the size it is given: a value without
// its terminating NUL or a descriptor that claims more than was transferred ends where the
// buffer does.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace DeviceText {

// UTF-16LE up to the first NUL or the end of the buffer.
std::wstring fromUtf16(const uint8_t *data, size_t bytes);
// The strings of a REG_MULTI_SZ buffer; an empty string ends the list.
std::vector<std::wstring> multiString(const uint8_t *data, size_t bytes);

// A USB string descriptor (bLength, bDescriptorType 3, UTF-16LE): false when it is not one or
// claims more bytes than the buffer holds.
bool stringDescriptor(const uint8_t *data, size_t bytes, std::wstring &text);
// The first language of string descriptor 0 (the device's language list).
bool firstLanguage(const uint8_t *data, size_t bytes, uint16_t &language);

// ASCII letters upper-cased, as instance ids and symbolic names are compared.
std::wstring upper(std::wstring text);

// A product id as records show it: four hexadecimal digits, zero-padded.
std::wstring hex4(uint32_t number, bool upperCase);

} // namespace DeviceText
