#include "platform/format_crypto.h"

namespace orv::platform {

int FormatCrypto::CrySimpleEncryptFile(const std::string& source, const std::string& target,
                                       const std::string& password)
{
    lastError_ = writeEncryptedFile(*primitives(), fileOf(source), fileOf(target), password, iterations_);
    return lastError_ == CryOk ? 1 : 0;
}

int FormatCrypto::CryDecryptFile(const std::string& source, const std::string& target, const std::string& password)
{
    lastError_ = restoreEncryptedFile(*primitives(), fileOf(source), fileOf(target), password);
    return lastError_ == CryOk ? 1 : 0;
}

int FormatCrypto::CryCheckPassword(const std::string& encryptedFile, const std::string& password)
{
    lastError_ = checkEncryptedFilePassword(*primitives(), fileOf(encryptedFile), password);
    return lastError_;
}

std::string FormatCrypto::CryPasswordVerifier(const std::string& password)
{
    return makePasswordVerifier(*primitives(), password, iterations_);
}

bool FormatCrypto::CryCheckPasswordVerifier(const std::string& verifier, const std::string& password)
{
    return checkPasswordVerifier(*primitives(), verifier, password);
}

}  // namespace orv::platform
