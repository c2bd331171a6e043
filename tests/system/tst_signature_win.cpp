// Authenticode under Wine, on copies of a small program signed at build time
// (fixtures/signprograms.sh): a test root of our own, trusted in the test prefix's root store
// while a test runs, two publishers it certified, a self-signed one, and a changed copy.

#include "signature.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <wincrypt.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::wstring Folder = L"signed\\";

bool fixturesPresent()
{
    return GetFileAttributesW((Folder + L"root.der").c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The test root in the current user's root store for as long as it lives.
class TrustedTestRoot
{
public:
    TrustedTestRoot()
    {
        std::ifstream file("signed\\root.der", std::ios::binary);
        const std::vector<unsigned char> der((std::istreambuf_iterator<char>(file)),
                                             std::istreambuf_iterator<char>());
        m_store = CertOpenSystemStoreW(0, L"ROOT");
        if (m_store && !der.empty())
            CertAddEncodedCertificateToStore(m_store,
                                             X509_ASN_ENCODING,
                                             der.data(),
                                             DWORD(der.size()),
                                             CERT_STORE_ADD_REPLACE_EXISTING,
                                             &m_certificate);
    }
    ~TrustedTestRoot()
    {
        if (m_certificate)
            CertDeleteCertificateFromStore(m_certificate);
        if (m_store)
            CertCloseStore(m_store, 0);
    }
    bool added() const { return m_certificate != nullptr; }

private:
    HCERTSTORE m_store = nullptr;
    PCCERT_CONTEXT m_certificate = nullptr;
};

struct SignerCase
{
    const char *name;
    const wchar_t *reference;
    const wchar_t *candidate;
    sys::SignerCheck expected;
    bool trustRoot = true;
    // Refused only because the chain does not end in a trusted root.
    bool needsChainTrust = false;
};

bool underWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class Signature : public ::testing::TestWithParam<SignerCase>
{
};

TEST_P(Signature, ComparesSigners)
{
    if (!fixturesPresent()) {
        GTEST_SKIP() << "no signed programs: the build found no openssl or osslsigncode";
    }
    const SignerCase &c = GetParam();
    if (c.needsChainTrust && underWine()) {
        GTEST_SKIP() << "Wine's WinVerifyTrust checks the file's hash against its signature but "
                        "accepts a chain that ends in an untrusted root; Windows refuses it";
    }
    std::unique_ptr<TrustedTestRoot> root;
    if (c.trustRoot) {
        root = std::make_unique<TrustedTestRoot>();
        ASSERT_TRUE(root->added());
    }
    EXPECT_EQ(sys::compareSigners(Folder + c.reference, Folder + c.candidate), c.expected);
}

using sys::SignerCheck;
INSTANTIATE_TEST_SUITE_P(
        Programs,
        Signature,
        ::testing::Values(
                SignerCase{"UnsignedReferenceHoldsNothing",
                           L"unsigned.exe",
                           L"b.exe",
                           SignerCheck::ReferenceUnsigned},
                SignerCase{"SamePublisher", L"a1.exe", L"a2.exe", SignerCheck::SameSigner},
                SignerCase{"AnotherPublisher", L"a1.exe", L"b.exe", SignerCheck::Refused},
                SignerCase{"UnsignedCandidate", L"a1.exe", L"unsigned.exe", SignerCheck::Refused},
                SignerCase{"ChangedAfterSigning", L"a1.exe", L"tampered.exe", SignerCheck::Refused},
                SignerCase{"SelfSignedCandidate",
                           L"self.exe",
                           L"self.exe",
                           SignerCheck::Refused,
                           true,
                           true},
                SignerCase{"MissingCandidate", L"a1.exe", L"missing.exe", SignerCheck::Refused},
                SignerCase{"SamePublisherUntrustedRoot",
                           L"a1.exe",
                           L"a2.exe",
                           SignerCheck::Refused,
                           false,
                           true}),
        [](const ::testing::TestParamInfo<SignerCase> &info) { return info.param.name; });

} // namespace
