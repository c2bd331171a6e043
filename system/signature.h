#pragma once

// Authenticode: whether a downloaded program was signed by whoever signed the running one, so
// that a newer setup is started only when it comes from the same publisher as this one.

#include <string>

namespace sys {

enum class SignerCheck {
    // The reference program carries no signature: there is no publisher to hold the other to.
    ReferenceUnsigned,
    // The candidate's signature is valid (WinVerifyTrust) and its signer certificate is the
    // reference's own.
    SameSigner,
    // The reference is signed, and the candidate is not, or not validly, or by someone else.
    Refused,
};

// Compares the signers of two programs (Windows paths). The simulated machine's programs carry
// no signatures, so there every reference is unsigned.
SignerCheck compareSigners(const std::wstring &reference, const std::wstring &candidate);

} // namespace sys
