#include "signature.h"

#include <windows.h>

#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <vector>

namespace sys {

namespace {

// The encoded certificate of the first signer of a file's embedded Authenticode signature;
// empty when the file carries none (or it cannot be read).
std::vector<unsigned char> signerCertificate(const std::wstring &path)
{
    std::vector<unsigned char> encoded;
    DWORD encoding = 0, contentType = 0, formatType = 0;
    HCERTSTORE store = nullptr;
    HCRYPTMSG message = nullptr;
    if (!CryptQueryObject(CERT_QUERY_OBJECT_FILE,
                          path.c_str(),
                          CERT_QUERY_CONTENT_FLAG_PKCS7_SIGNED_EMBED,
                          CERT_QUERY_FORMAT_FLAG_BINARY,
                          0,
                          &encoding,
                          &contentType,
                          &formatType,
                          &store,
                          &message,
                          nullptr))
        return encoded;
    DWORD size = 0;
    if (CryptMsgGetParam(message, CMSG_SIGNER_INFO_PARAM, 0, nullptr, &size) && size > 0) {
        std::vector<unsigned char> buffer(size);
        if (CryptMsgGetParam(message, CMSG_SIGNER_INFO_PARAM, 0, buffer.data(), &size)) {
            const auto *signer = reinterpret_cast<const CMSG_SIGNER_INFO *>(buffer.data());
            CERT_INFO wanted = {};
            wanted.Issuer = signer->Issuer;
            wanted.SerialNumber = signer->SerialNumber;
            PCCERT_CONTEXT certificate = CertFindCertificateInStore(
                    store, encoding, 0, CERT_FIND_SUBJECT_CERT, &wanted, nullptr);
            if (certificate) {
                encoded.assign(certificate->pbCertEncoded,
                               certificate->pbCertEncoded + certificate->cbCertEncoded);
                CertFreeCertificateContext(certificate);
            }
        }
    }
    CryptMsgClose(message);
    CertCloseStore(store, 0);
    return encoded;
}

// WinVerifyTrust's Authenticode policy: the file's hash matches its signature and the signer's
// chain leads to a trusted root. No user interface; revocation is not asked for, as setup may
// run where no revocation server can be reached.
bool validlySigned(const std::wstring &path)
{
    WINTRUST_FILE_INFO file = {};
    file.cbStruct = sizeof file;
    file.pcwszFilePath = path.c_str();
    WINTRUST_DATA data = {};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &file;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const LONG status = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &data);
    return status == ERROR_SUCCESS;
}

} // namespace

SignerCheck compareSigners(const std::wstring &reference, const std::wstring &candidate)
{
    const std::vector<unsigned char> publisher = signerCertificate(reference);
    if (publisher.empty())
        return SignerCheck::ReferenceUnsigned;
    if (!validlySigned(candidate))
        return SignerCheck::Refused;
    return signerCertificate(candidate) == publisher ? SignerCheck::SameSigner
                                                     : SignerCheck::Refused;
}

} // namespace sys
