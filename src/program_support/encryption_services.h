// Encryption on top of a program's basic services, for the two programs that need it: the
// decryption program, and the menu program, which checks typed passwords against the
// encrypted files and verifiers. (Programs that use it also link orv_platform_host_crypto.)
#pragma once

#include <memory>

#include "program_support/program_environment.h"

namespace orv::platform {
class HostCrypto;
}

namespace orv::shell {

class EncryptionServices {
public:
    explicit EncryptionServices(ProgramServices& services);
    ~EncryptionServices();

private:
    std::unique_ptr<platform::HostCrypto> crypto_;
};

}  // namespace orv::shell
